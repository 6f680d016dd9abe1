#include "window/exit_handshake.h"

#include "console/files.h"
#include "console/runtime_error.h"

namespace window {

bool exit_handshake(console::Console& console, std::chrono::milliseconds limit) {
  console::begin_stop(console);
  const bool acknowledged = console.flags.wakeup.wait_until(
      [&console] { return console.flags.program_stopped.load(); }, limit);
  if (acknowledged) console::close_all_files(console);
  return acknowledged;
}

}  // namespace window
