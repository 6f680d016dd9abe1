// Line input of a number at a prompt: every keystroke is accepted, refused or ignored
// so that the line on the screen is always the start of a valid number.
#pragma once

#include <string>

#include "console/console.h"

namespace console {

// Prints the prompt (and "? " in the question form), reads a typed line until Enter
// and returns its value rounded to the nearest single-precision number. The prompt,
// the line and a line end stay on the screen. Halts the program thread when the stop
// flag is set while it waits. While an error is pending it does nothing and gives 0.
float input_keyboard(Console& console, const std::string& prompt, bool question_form);

}  // namespace console
