// Code page 437 and Unicode: the characters the window accepts when typed and the
// text the end-to-end tests print.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace window {

// The code page 437 byte of a Unicode character, or nothing when it has none. ASCII
// maps to itself.
std::optional<std::uint8_t> cp437_from_unicode(char32_t c);

// The Unicode character of a code page 437 byte above 127 (below 128: the byte).
char32_t unicode_from_cp437_upper(std::uint8_t byte);

// Code page 437 bytes as UTF-8 (bytes below 128 unchanged).
std::string utf8_from_cp437(const std::string& text);

}  // namespace window
