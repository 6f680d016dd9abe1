#include "window/exit_handshake.h"

#include "console/files.h"

namespace window {

void exit_handshake(console::Console& console) {
  console.flags.stop.store(true);
  while (!console.flags.program_stopped.load()) console.host.nap(16);
  console::close_all_files(console);
}

}  // namespace window
