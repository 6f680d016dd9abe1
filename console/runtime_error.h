// Runtime errors of the console and the program: the pending error of the current
// step, the error box that reports it after the step, the fatal boxes, and the two
// ways the program thread leaves its road for good (halt) or for a fresh run (restart).
#pragma once

#include <string>

namespace console {

struct Console;

// The error numbers the console raises, as the error box shows them.
inline constexpr int kErrorSyntax = 2;
inline constexpr int kErrorOutOfData = 4;
inline constexpr int kErrorIllegalFunctionCall = 5;
inline constexpr int kErrorOverflow = 6;
inline constexpr int kErrorOutOfMemory = 7;
inline constexpr int kErrorSubscriptOutOfRange = 9;
inline constexpr int kErrorBadFileNumber = 52;
inline constexpr int kErrorFileNotFound = 53;
inline constexpr int kErrorBadFileMode = 54;
inline constexpr int kErrorFileAlreadyOpen = 55;
inline constexpr int kErrorPastEnd = 62;
inline constexpr int kErrorDeviceUnavailable = 68;
inline constexpr int kErrorPermissionDenied = 70;
inline constexpr int kErrorPathFileAccess = 75;
inline constexpr int kErrorPathNotFound = 76;

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
// error of a step is the one reported); 0 or a negative number records 5.
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
