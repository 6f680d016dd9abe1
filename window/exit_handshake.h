// The end of the process, run by the display side once it finds the exit request:
// it sets the stop flag and sleeps until the program thread has acknowledged (its
// next step check, its wait for a key or a typed line, or its box answered No), and
// only then closes all files, so no file is closed while the program may still write
// to it. A program thread that does not acknowledge within the limit (blocked in a
// read of a pipe, or busy outside its step checks) is not waited for: its files are
// left to the end of the process, which keeps what was written, since output is
// unbuffered.
#pragma once

#include <chrono>

#include "console/console.h"

namespace window {

inline constexpr std::chrono::milliseconds kExitAcknowledgeLimit{150};

// Returns whether the program thread acknowledged (the files are then closed).
bool exit_handshake(console::Console& console,
                    std::chrono::milliseconds limit = kExitAcknowledgeLimit);

}  // namespace window
