// Reading the items of the built-in ship list: one constant text of comma-separated
// items with no line ends, read from a byte position that each read moves on.
//
// Both readers do nothing while an error is pending (the text read gives the empty
// text, the number read 0, and the position stays).
#pragma once

#include <cstddef>
#include <string>

#include "console/runtime_error.h"

namespace console {

// The next item as text. A quote as the item's first byte opens a quoted item whose
// commas belong to it; anything else runs to the next comma, blanks included and
// nothing trimmed. The position is left after the comma that ended the item.
// Errors: 4 when the position is at or past the end; 4 when a closing quote is
// followed by a byte other than a comma (the position then stays on that byte). Both
// give the empty text.
std::string read_list_text(ErrorState& errors, const std::string& list, std::size_t& position);

// The next item as a number; it must run exactly to the next comma or the end of the
// text, and an empty item is 0. Errors: 4 when the position is at or past the end;
// 2 for a byte that does not fit the number syntax; 6 for too many digits or a number
// too large. Errors 2 and 6 leave the position at the start of the item. Every error
// gives 0.
double read_list_number(ErrorState& errors, const std::string& list, std::size_t& position);

}  // namespace console
