// Runtime errors of the console and the program: the pending error of the current
// step, the error box that reports it after the step, the fatal boxes, and the two
// ways the program thread leaves its road for good (halt) or for a fresh run (restart).
#pragma once

#include <string>

namespace console {

struct Console;

// One runtime error as the error box shows it: its number and its text. It stands
// for its number wherever a number is asked for (raise_runtime_error, a comparison).
struct RuntimeError {
  int number;
  const char* text;
  constexpr operator int() const { return number; }
};

// The runtime errors of the console and the program: number, name and text.
inline constexpr RuntimeError kErrorSyntax{2, "Syntax error"};
inline constexpr RuntimeError kErrorOutOfData{4, "Out of DATA"};
inline constexpr RuntimeError kErrorIllegalFunctionCall{5, "Illegal function call"};
inline constexpr RuntimeError kErrorOverflow{6, "Overflow"};
inline constexpr RuntimeError kErrorOutOfMemory{7, "Out of memory"};
inline constexpr RuntimeError kErrorSubscriptOutOfRange{9, "Subscript out of range"};
inline constexpr RuntimeError kErrorBadFileNumber{52, "Bad file name or number"};
inline constexpr RuntimeError kErrorFileNotFound{53, "File not found"};
inline constexpr RuntimeError kErrorBadFileMode{54, "Bad file mode"};
inline constexpr RuntimeError kErrorFileAlreadyOpen{55, "File already open"};
inline constexpr RuntimeError kErrorPastEnd{62, "Input past end of file"};
inline constexpr RuntimeError kErrorDeviceUnavailable{68, "Device unavailable"};
inline constexpr RuntimeError kErrorPermissionDenied{70, "Permission denied"};
inline constexpr RuntimeError kErrorPathFileAccess{75, "Path/File access error"};
inline constexpr RuntimeError kErrorPathNotFound{76, "Path not found"};

// Every runtime error above, in the order of their numbers, for the text of a number.
inline constexpr RuntimeError ERROR_TEXTS[] = {
    kErrorSyntax, kErrorOutOfData, kErrorIllegalFunctionCall, kErrorOverflow,
    kErrorOutOfMemory, kErrorSubscriptOutOfRange, kErrorBadFileNumber,
    kErrorFileNotFound, kErrorBadFileMode, kErrorFileAlreadyOpen, kErrorPastEnd,
    kErrorDeviceUnavailable, kErrorPermissionDenied, kErrorPathFileAccess,
    kErrorPathNotFound,
};

// The error raised in the current step (0 = none) and the place number of the step.
struct ErrorState {
  int pending = 0;
  int place = 0;
};

// Thrown by halt_program_thread: the program thread has acknowledged the exit and
// does nothing more. Caught only at the top of the program thread.
struct ProgramHalt {};

// The text of an error number ("Unprintable error" for a number not in the table).
const char* error_text(int number);

// Records `number` as the pending error unless one is pending already (the first
// error of a step is the one reported); 0 or a negative number records error 5,
// an illegal function call.
void raise_runtime_error(ErrorState& errors, int number);
inline bool error_pending(const ErrorState& errors) { return errors.pending != 0; }

// The title and text of the error box for the pending error.
std::string error_box_title(int number);
std::string error_box_text(int place, int number);

// After every step: the stop flag, the pause and a pending error. May throw
// ProgramHalt.
void statement_event_check(Console& console, int place);

// Shows the error box for the pending error: Yes clears it, No sets the exit request
// and halts the program thread.
void report_unhandled_error(Console& console);

// The fatal box at the moment of the error, then the end of the program.
enum class FatalCause { ShipArraysOutOfMemory, ConsoleOutOfMemory, OutOfStackSpace };
[[noreturn]] void raise_fatal_error(Console& console, FatalCause cause, int allocation = 2);

// The program thread acknowledges the exit and stops: throws ProgramHalt.
[[noreturn]] void halt_program_thread(Console& console);

// Sets the exit request and wakes whoever waits for it: the display, which then
// begins the exit, and the program thread's waits.
void request_exit(Console& console);

// The display begins the exit: sets the stop flag and wakes the program thread's
// waits, which then halt.
void begin_stop(Console& console);

}  // namespace console
