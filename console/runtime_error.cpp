#include "console/runtime_error.h"

#include "console/console.h"

namespace console {

namespace {

struct ErrorTextRow {
  int number;
  const char* text;
};

constexpr ErrorTextRow ERROR_TEXTS[] = {
    {2, "Syntax error"},
    {4, "Out of DATA"},
    {5, "Illegal function call"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File already open"},
    {62, "Input past end of file"},
    {68, "Device unavailable"},
    {70, "Permission denied"},
    {75, "Path/File access error"},
    {76, "Path not found"},
};

}  // namespace

const char* error_text(int number) {
  for (const auto& row : ERROR_TEXTS) {
    if (row.number == number) return row.text;
  }
  return "Unprintable error";
}

void raise_runtime_error(ErrorState& errors, int number) {
  if (errors.pending != 0) return;
  errors.pending = number > 0 ? number : 5;
}

std::string error_box_title(int number) { return "Unhandled Error #" + std::to_string(number); }

std::string error_box_text(int place, int number) {
  return "Line: " + std::to_string(static_cast<unsigned>(place)) + " (in main module)\n" +
         error_text(number) + "\nContinue?";
}

void statement_event_check(Console& console, int place) {
  if (console.flags.stop.load()) halt_program_thread(console);
  while (console.flags.pause.load()) {
    console.host.wait_for_input(InputWait::Pause, console.flags.wakeup, [&console] {
      return !console.flags.pause.load() || console.flags.stop.load();
    });
    if (console.flags.stop.load()) halt_program_thread(console);
  }
  if (console.errors.pending != 0) {
    console.errors.place = place;
    report_unhandled_error(console);
  }
}

void report_unhandled_error(Console& console) {
  const int number = console.errors.pending;
  const bool yes = console.host.ask_error_box(error_box_title(number),
                                              error_box_text(console.errors.place, number));
  if (yes) {
    console.errors.pending = 0;
    return;
  }
  request_exit(console);
  halt_program_thread(console);
}

void raise_fatal_error(Console& console, FatalCause cause, int allocation) {
  switch (cause) {
    case FatalCause::ShipArraysOutOfMemory:
      console.host.show_fatal_box("Critical Error #1", "Out of memory");
      break;
    case FatalCause::ConsoleOutOfMemory:
      console.host.show_fatal_box("Critical Error #" + std::to_string(allocation), "Out of memory");
      break;
    case FatalCause::OutOfStackSpace:
      console.host.show_fatal_box("Critical Error", "Out of stack space");
      break;
  }
  request_exit(console);
  halt_program_thread(console);
}

void halt_program_thread(Console& console) {
  console.flags.program_stopped.store(true);
  console.flags.wakeup.notify();
  throw ProgramHalt{};
}

void request_exit(Console& console) {
  console.flags.exit_request.store(true);
  console.flags.wakeup.notify();
  if (console.display != nullptr) console.display->ring();
}

void begin_stop(Console& console) {
  console.flags.stop.store(true);
  console.flags.wakeup.notify();
}

}  // namespace console
