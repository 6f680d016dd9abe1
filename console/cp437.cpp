#include "console/cp437.h"

#include <array>
#include <cstddef>

namespace console {

namespace {

constexpr std::array<char32_t, 32> LOW_GLYPHS = {
    U' ', U'☺', U'☻', U'♥', U'♦', U'♣', U'♠', U'•', U'◘', U'○', U'◙', U'♂', U'♀', U'♪', U'♫', U'☼',
    U'►', U'◄', U'↕', U'‼', U'¶', U'§', U'▬', U'↨', U'↑', U'↓', U'→', U'←', U'∟', U'↔', U'▲', U'▼',
};

constexpr std::array<char32_t, 128> HIGH_CHARACTERS = {
    U'Ç', U'ü', U'é', U'â', U'ä', U'à', U'å', U'ç', U'ê', U'ë', U'è', U'ï', U'î', U'ì', U'Ä', U'Å',
    U'É', U'æ', U'Æ', U'ô', U'ö', U'ò', U'û', U'ù', U'ÿ', U'Ö', U'Ü', U'¢', U'£', U'¥', U'₧', U'ƒ',
    U'á', U'í', U'ó', U'ú', U'ñ', U'Ñ', U'ª', U'º', U'¿', U'⌐', U'¬', U'½', U'¼', U'¡', U'«', U'»',
    U'░', U'▒', U'▓', U'│', U'┤', U'╡', U'╢', U'╖', U'╕', U'╣', U'║', U'╗', U'╝', U'╜', U'╛', U'┐',
    U'└', U'┴', U'┬', U'├', U'─', U'┼', U'╞', U'╟', U'╚', U'╔', U'╩', U'╦', U'╠', U'═', U'╬', U'╧',
    U'╨', U'╤', U'╥', U'╙', U'╘', U'╒', U'╓', U'╫', U'╪', U'┘', U'┌', U'█', U'▄', U'▌', U'▐', U'▀',
    U'α', U'ß', U'Γ', U'π', U'Σ', U'σ', U'µ', U'τ', U'Φ', U'Θ', U'Ω', U'δ', U'∞', U'φ', U'ε', U'∩',
    U'≡', U'±', U'≥', U'≤', U'⌠', U'⌡', U'÷', U'≈', U'°', U'∙', U'·', U'√', U'ⁿ', U'²', U'■', U'\u00A0',
};

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

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

char32_t cp437_glyph_code_point(std::uint8_t b) {
  if (b < 32) return LOW_GLYPHS[b];
  if (b == 127) return U'⌂';
  if (b < 128) return b;
  return HIGH_CHARACTERS[b - 128];
}

std::string cp437_to_utf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) append_utf8(out, cp437_glyph_code_point(b));
  return out;
}

std::string cp437_text_to_utf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) append_utf8(out, b < 128 ? char32_t{b} : HIGH_CHARACTERS[b - 128]);
  return out;
}

int cp437_from_code_point(char32_t c) {
  if (c < 128) return static_cast<int>(c);
  for (int i = 0; i < 128; ++i) {
    if (HIGH_CHARACTERS[i] == c) return 128 + i;
  }
  return -1;
}

std::string utf8_to_cp437(std::string_view utf8) {
  std::string out;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const std::size_t length = sequence_length(static_cast<unsigned char>(utf8[at]));
    const long code = decode_at(utf8, at, length);
    const int byte = code < 0 ? -1 : cp437_from_code_point(static_cast<char32_t>(code));
    out += byte < 0 ? '?' : static_cast<char>(byte);
    at += code < 0 ? 1 : length;
  }
  return out;
}

std::string upper_cased(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace console
