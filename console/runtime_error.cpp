#include "console/runtime_error.h"

#include <iterator>

#include "console/console.h"

namespace console {

namespace {

// Each number once: the text of a number is found by the first row that has it.
constexpr bool numbers_increase() {
  for (std::size_t i = 1; i < std::size(ERROR_TEXTS); ++i) {
    if (ERROR_TEXTS[i - 1].number >= ERROR_TEXTS[i].number) return false;
  }
  return true;
}
static_assert(numbers_increase());

}  // namespace

const char* error_text(int number) {
  for (const auto& row : ERROR_TEXTS) {
    if (row.number == number) return row.text;
  }
  return "Unprintable error";
}

void raise_runtime_error(ErrorState& errors, int number) {
  if (errors.pending != 0) return;
  errors.pending = number > 0 ? number : kErrorIllegalFunctionCall.number;
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
