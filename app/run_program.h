// The program thread's body: runs the road from the start, again after every restart,
// until the program halts (the exit was acknowledged).
#pragma once

#include "console/console.h"

namespace app {

// Returns when the program thread has acknowledged the exit (flags.program_stopped
// is then set). The caller ends the process after the exit handshake.
void run_program(console::Console& console);

}  // namespace app
