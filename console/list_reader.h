// Reading the items of the built-in ship list text from a read position.
#pragma once

#include <cstddef>
#include <string>

#include "console/runtime_error.h"

namespace console {

// The next item as text; error 4 past the end or after a closing quote that is not
// followed by a comma (the position then stays on that byte).
std::string read_list_text(ErrorState& errors, const std::string& list, std::size_t& position);

// The next item as a number; error 4 past the end, error 2 for a byte that does not
// fit the number syntax and error 6 for a number too large (both leave the position at
// the start of the item and give 0).
double read_list_number(ErrorState& errors, const std::string& list, std::size_t& position);

}  // namespace console
