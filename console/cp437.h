// Code page 437: the character set of the screen, the ship list and every text of the
// program. Converted to UTF-8 only at the edge (file names on disk, page text for
// tests and logs).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace console {

// The Unicode character that byte b shows on the screen (1 to 31 and 127 as their
// graphic shapes, 0 as a blank).
char32_t cp437_glyph_code_point(std::uint8_t b);

// The bytes converted one by one to the UTF-8 of the characters they show on the
// screen.
std::string cp437_to_utf8(const std::string& bytes);

// The bytes converted as text: bytes below 128 stay as they are (control characters
// included), the others become the UTF-8 of their characters. File names go to the
// file system in this form.
std::string cp437_text_to_utf8(const std::string& bytes);

// The code page 437 byte of a Unicode character, or -1 when the code page has none.
// Characters below 128 map to themselves.
int cp437_from_code_point(char32_t c);

// The code page 437 bytes of a UTF-8 text, for the program's own constant texts that
// are written in the source as UTF-8 (box lines, cell edges): ASCII stays as it is,
// every other character becomes its byte in the code page. A character the code page
// lacks, or a broken UTF-8 sequence, becomes "?".
std::string utf8_to_cp437(std::string_view utf8);

// The text with the letters a to z made capitals; every other byte stays as it is,
// the code page's own letters above 127 included.
std::string upper_cased(std::string text);

}  // namespace console
