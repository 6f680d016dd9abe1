// The number rules of line input: which typed lines are the beginning of a number the
// prompt accepts, and what an accepted line is worth.
#pragma once

#include <string>

namespace console {

// True when the line is empty or is, from its first character, the beginning of a
// number the prompt accepts (decimal with its limits, "&H"/"&O", or quoted).
bool number_line_accepted(const std::string& line);

// The value of an accepted line, rounded to the nearest single-precision number.
float number_line_value(const std::string& line);

}  // namespace console
