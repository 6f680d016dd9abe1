#include "card/cp437_literal.h"

#include <cstddef>

#include "console/cp437.h"

namespace card {

namespace {

// Length of the UTF-8 sequence that begins with `lead`, 0 for a byte that cannot
// begin one.
std::size_t sequence_length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

constexpr unsigned char LEAD_BITS[] = {0, 0x7F, 0x1F, 0x0F, 0x07};

// The code point of the sequence of `length` bytes at `at`, or -1 when it is broken.
long decode_at(std::string_view text, std::size_t at, std::size_t length) {
  if (length == 0 || at + length > text.size()) return -1;
  long code = static_cast<unsigned char>(text[at]) & LEAD_BITS[length];
  for (std::size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[at + i]);
    if ((b & 0xC0) != 0x80) return -1;
    code = (code << 6) | (b & 0x3F);
  }
  return code;
}

}  // namespace

std::string cp437_literal(std::string_view utf8) {
  std::string out;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const std::size_t length = sequence_length(static_cast<unsigned char>(utf8[at]));
    const long code = decode_at(utf8, at, length);
    const int byte = code < 0 ? -1 : console::cp437_from_code_point(static_cast<char32_t>(code));
    out += byte < 0 ? '?' : static_cast<char>(byte);
    at += code < 0 ? 1 : length;
  }
  return out;
}

}  // namespace card
