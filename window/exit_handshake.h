// The end of the process, run by the display side once it finds the exit request:
// it sets the stop flag, waits in naps of 16 ms until the program thread has
// acknowledged (its next step check, its wait for a key or a typed line, or its box
// answered No), and only then closes all files, so no file is closed while the
// program may still write to it. The caller then ends the process with exit code 0.
#pragma once

#include "console/console.h"

namespace window {

void exit_handshake(console::Console& console);

}  // namespace window
