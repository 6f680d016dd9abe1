// The program side of the keyboard and the end of the program.
#pragma once

#include <string>

#include "console/console.h"

namespace console {

// The oldest keystroke as one character, or as two (byte 0 and the scan code) when
// its character code is 0; the empty text when no key is queued or an error is
// pending. Gives up the processor once.
std::string poll_key(Console& console);

// The end prompt on row 25; after a key, the exit request and the halt.
[[noreturn]] void end_program(Console& console);

}  // namespace console
