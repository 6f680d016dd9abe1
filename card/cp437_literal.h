// Card texts written in the source as UTF-8 (box lines, cell edges, formats that hold
// line characters), turned into the code page 437 bytes that the card writes. Only
// the conversion of the program's own constant texts goes this way; every text read
// or built at run time is code page 437 already.
#pragma once

#include <string>
#include <string_view>

namespace card {

// The code page 437 bytes of a UTF-8 text: ASCII stays as it is, every other
// character becomes its byte in the code page. A character the code page lacks, or a
// broken UTF-8 sequence, becomes "?".
std::string cp437_literal(std::string_view utf8);

}  // namespace card
