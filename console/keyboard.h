// The program side of the keyboard and the end of the program.
#pragma once

#include <string>

#include "console/console.h"

namespace console {

// The oldest keystroke as one character, or as two (byte 0 and the scan code) when
// its character code is 0; the empty text when no key is queued or an error is
// pending. Never waits.
std::string poll_key(Console& console);

// Sleeps until a key is queued or the stop flag is set (through the host, which may
// return sooner; the caller polls and looks at the stop flag again).
void await_key(Console& console, InputWait what);

// Polls until a key comes, sleeping in between; halts the program thread when the stop
// flag is set meanwhile.
std::string next_key(Console& console, InputWait what);

// The end prompt on row 25; after a key, the exit request and the halt.
[[noreturn]] void end_program(Console& console);

}  // namespace console
