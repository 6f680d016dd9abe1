#include "console/number_parse.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace console {

namespace {

constexpr int kMostExponentDigits = 18;
// Decimal exponents beyond this give infinity or 0 in extended precision anyway.
constexpr long long kExponentClamp = 100000;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Reads a text character by character, passing over blanks and tabs wherever they
// stand. The end of the text reads as '\0', which fits no rule.
struct TextReader {
  const std::string& text;
  std::size_t at = 0;

  char peek() {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    return at < text.size() ? text[at] : '\0';
  }
  char take() { return text[at++]; }
};

// Bits per digit of the base letter after "&" (0 for a letter that names none).
int based_digit_bits(char letter) {
  switch (letter) {
    case 'H': case 'h': return 4;
    case 'O': case 'o': return 3;
    case 'B': case 'b': return 1;
    default: return 0;
  }
}

// The value of a digit in the base of `bits` bits per digit, or -1.
int based_digit_value(char c, int bits) {
  int value = -1;
  if (is_digit(c)) value = c - '0';
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  return value < (1 << bits) ? value : -1;
}

// An "&H", "&O" or "&B" number whose "&" stands at `amp`: its digits run to the first
// character that is no digit of the base (a blank too) and are read as a signed 64-bit
// integer. More than 64 bits of digits: error 6 and 0.
long double read_based_number(ErrorState& errors, const std::string& text, std::size_t amp) {
  if (amp + 2 >= text.size()) return 0;
  const int bits = based_digit_bits(text[amp + 1]);
  if (bits == 0) return 0;
  std::uint64_t value = 0;
  for (std::size_t i = amp + 2; i < text.size(); ++i) {
    const int digit = based_digit_value(text[i], bits);
    if (digit < 0) break;
    if ((value >> (64 - bits)) != 0) {
      raise_runtime_error(errors, kErrorOverflow);
      return 0;
    }
    value = (value << bits) | static_cast<std::uint64_t>(digit);
  }
  return static_cast<long double>(static_cast<std::int64_t>(value));
}

// A decimal number as read: its significant digits times 10 to the power `scale`.
struct DecimalReading {
  bool negative = false;
  std::string digits;
  long long scale = 0;
};

// Digits before or after the point; leading zeros of the number are not kept, and
// every digit after the point lowers the scale.
void read_mantissa_digits(TextReader& reader, DecimalReading& number, bool after_point) {
  while (is_digit(reader.peek())) {
    const char digit = reader.take();
    if (!number.digits.empty() || digit != '0') number.digits.push_back(digit);
    if (after_point) --number.scale;
  }
}

// The exponent after its letter: a sign and digits, leading zeros skipped; a 19th
// significant digit ends the reading.
long long read_exponent(TextReader& reader) {
  bool negative = false;
  if (reader.peek() == '+' || reader.peek() == '-') negative = reader.take() == '-';
  long long exponent = 0;
  int significant = 0;
  while (is_digit(reader.peek())) {
    const int digit = reader.peek() - '0';
    if (exponent == 0 && digit == 0) {
      reader.take();
      continue;
    }
    if (significant == kMostExponentDigits) break;
    reader.take();
    exponent = exponent * 10 + digit;
    ++significant;
  }
  return negative ? -exponent : exponent;
}

DecimalReading read_decimal(TextReader& reader) {
  DecimalReading number;
  if (reader.peek() == '+' || reader.peek() == '-') number.negative = reader.take() == '-';
  read_mantissa_digits(reader, number, false);
  if (reader.peek() == '.') {
    reader.take();
    read_mantissa_digits(reader, number, true);
  }
  const char letter = reader.peek();
  if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd') {
    reader.take();
    number.scale += read_exponent(reader);
  }
  return number;
}

// The nearest extended-precision value; glibc's strtold rounds correctly. The text
// handed to it has no point, so the locale plays no part.
long double nearest_extended(const DecimalReading& number) {
  if (number.digits.empty()) return 0;
  long long scale = number.scale;
  const auto size = static_cast<long long>(number.digits.size());
  if (scale + size > kExponentClamp) scale = kExponentClamp;
  if (scale + size < -kExponentClamp) scale = -kExponentClamp - size;
  const std::string text = number.digits + "e" + std::to_string(scale);
  const long double value = std::strtold(text.c_str(), nullptr);
  return number.negative ? -value : value;
}

}  // namespace

long double parse_number_text(ErrorState& errors, const std::string& text) {
  TextReader reader{text};
  if (reader.peek() == '&') return read_based_number(errors, text, reader.at);
  return nearest_extended(read_decimal(reader));
}

}  // namespace console
