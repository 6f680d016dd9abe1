#include "console/keyboard.h"

#include "console/files.h"
#include "console/screen.h"

namespace console {

std::string poll_key(Console& console) {
  if (error_pending(console.errors)) return {};
  Keystroke key;
  if (!console.keys.pop(key)) return {};
  if (key.character != 0 || key.scan == 0) return std::string(1, static_cast<char>(key.character));
  return std::string{'\0', static_cast<char>(key.scan)};
}

void end_program(Console& console) {
  close_all_files(console);
  set_scroll_area(console, 25, 25);
  print_to_screen(console, "", true);
  print_to_screen(console, "Press any key to continue", false);
  while (!poll_key(console).empty()) {
  }
  next_key(console, InputWait::EndPrompt);
  request_exit(console);
  halt_program_thread(console);
}

std::string next_key(Console& console, InputWait what) {
  for (;;) {
    std::string key = poll_key(console);
    if (!key.empty()) return key;
    if (console.flags.stop.load()) halt_program_thread(console);
    await_key(console, what);
  }
}

void await_key(Console& console, InputWait what) {
  console.host.wait_for_input(what, console.flags.wakeup, [&console] {
    return !console.keys.empty() || console.flags.stop.load();
  });
}

}  // namespace console
