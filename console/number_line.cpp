#include "console/number_line.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>

namespace console {

namespace {

// The pieces of a decimal number as far as the text goes: a missing piece is empty.
struct DecimalParts {
  bool negative = false;
  std::string_view whole;     // digits before the point
  bool point = false;
  std::string_view fraction;  // digits after the point
  bool exponent_letter = false;
  bool exponent_negative = false;
  std::string_view exponent;  // digits of the exponent
};

constexpr int kMaxDigitsWithPoint = 8;
constexpr std::size_t kMaxZerosAfterPoint = 43;
constexpr int kMaxDigitsBeforePoint = 39;
constexpr long kLargestLeadingSeven = 3402823;   // 3.402823E+38
constexpr int kSmallestPosition = -44;            // 1.401298E-45 has its first digit there
constexpr long kSmallestLeadingSeven = 1401298;
constexpr std::size_t kMaxHexDigits = 16;
constexpr std::size_t kMaxOctalDigits = 22;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t count_digits(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && is_digit(text[end])) ++end;
  return end - from;
}

std::size_t leading_zeros(std::string_view digits) {
  std::size_t n = 0;
  while (n < digits.size() && digits[n] == '0') ++n;
  return n;
}

// True when the digits before the point are the lone "0" or absent.
bool no_whole_digits(const DecimalParts& d) { return d.whole.empty() || d.whole == "0"; }

bool has_significant_digit(const DecimalParts& d) {
  return !no_whole_digits(d) || leading_zeros(d.fraction) < d.fraction.size();
}

// Reads the shape of a decimal number: sign, the single "0" or digits from 1 to 9,
// point and fraction, exponent letter (only after a significant digit, never straight
// after the point), exponent sign and digits. False when a character does not fit;
// `used` is the length of the shape read.
bool read_decimal_shape(std::string_view text, DecimalParts& d, std::size_t& used) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    d.negative = true;
    ++i;
  }
  if (i < text.size() && text[i] == '0') {
    d.whole = text.substr(i, 1);
    ++i;
  } else {
    d.whole = text.substr(i, count_digits(text, i));
    i += d.whole.size();
  }
  if (i < text.size() && text[i] == '.') {
    d.point = true;
    ++i;
    d.fraction = text.substr(i, count_digits(text, i));
    i += d.fraction.size();
  } else if (d.whole == "0" && i < text.size()) {
    used = i;
    return false;  // a leading "0" may only be followed by the point
  }
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    if (!has_significant_digit(d) || (d.point && d.fraction.empty())) {
      used = i;
      return false;
    }
    d.exponent_letter = true;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      d.exponent_negative = text[i] == '-';
      ++i;
    }
    d.exponent = text.substr(i, count_digits(text, i));
    i += d.exponent.size();
    if (d.exponent.size() > 1 && d.exponent[0] == '0') {
      used = i;
      return false;
    }
  }
  used = i;
  return i == text.size();
}

// The count of digits that the limit with a point counts.
int counted_digits(const DecimalParts& d) {
  const bool no_whole = no_whole_digits(d);
  const int whole = no_whole ? 0 : static_cast<int>(d.whole.size());
  std::size_t fraction = d.fraction.size();
  if (d.fraction == "0") {
    fraction = 0;
  } else if (no_whole) {
    fraction -= leading_zeros(d.fraction);
  }
  return whole + static_cast<int>(fraction);
}

// The exponent's value; absent digits count 0. Capped far beyond every limit, so a
// long run of exponent digits cannot overflow.
long exponent_value(const DecimalParts& d) {
  long value = 0;
  for (char c : d.exponent) value = std::min(value * 10 + (c - '0'), 100000L);
  return d.exponent_negative ? -value : value;
}

// True when the number, not zero, lies inside the single-precision range: at most 39
// digits before the point with its exponent, compared on its first seven significant
// digits at the two ends.
// The digits of the number before and after the point, in one run.
std::string all_digits(const DecimalParts& d) {
  std::string digits(d.whole);
  digits += d.fraction;
  return digits;
}

// Where the first significant digit stands, as the count of digits before the point
// of the number written out without exponent: 1 for 1.5, 0 for .5, -1 for .05,
// 39 for 1E38.
long first_digit_position(const DecimalParts& d) {
  const std::size_t first = leading_zeros(all_digits(d));
  return static_cast<long>(d.whole.size()) - static_cast<long>(first) + exponent_value(d);
}

bool inside_single_range(const DecimalParts& d) {
  const std::string digits = all_digits(d);
  const std::size_t first = leading_zeros(digits);
  if (first == digits.size()) return true;  // zero
  const long position = first_digit_position(d);
  long leading_seven = 0;
  for (std::size_t k = 0; k < 7; ++k) {
    const std::size_t at = first + k;
    leading_seven = leading_seven * 10 + (at < digits.size() ? digits[at] - '0' : 0);
  }
  if (position > kMaxDigitsBeforePoint) return false;
  if (position == kMaxDigitsBeforePoint && leading_seven > kLargestLeadingSeven) return false;
  if (position < kSmallestPosition) return false;
  if (position == kSmallestPosition && leading_seven < kSmallestLeadingSeven) return false;
  return true;
}

bool decimal_accepted(std::string_view text) {
  DecimalParts d;
  std::size_t used = 0;
  if (!read_decimal_shape(text, d, used)) return false;
  if (!d.fraction.empty() && counted_digits(d) > kMaxDigitsWithPoint) return false;
  if (leading_zeros(d.fraction) > kMaxZerosAfterPoint) return false;
  return inside_single_range(d);
}

int base_of(char letter) {
  if (letter == 'H' || letter == 'h') return 16;
  if (letter == 'O' || letter == 'o') return 8;
  return 0;
}

int digit_in_base(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  return value < base ? value : -1;
}

// "&", then "H" or "O" and its digits: 16 hexadecimal, or 22 octal when the first is 0
// or 1 (21 otherwise), so that the number fits in 64 bits.
bool based_accepted(std::string_view text) {
  if (text.size() == 1) return true;
  const int base = base_of(text[1]);
  if (base == 0) return false;
  const std::string_view digits = text.substr(2);
  for (char c : digits) {
    if (digit_in_base(c, base) < 0) return false;
  }
  if (base == 16) return digits.size() <= kMaxHexDigits;
  if (digits.size() < kMaxOctalDigits) return true;
  return digits.size() == kMaxOctalDigits && (digits[0] == '0' || digits[0] == '1');
}

bool number_accepted(std::string_view text) {
  if (!text.empty() && text[0] == '&') return based_accepted(text);
  return decimal_accepted(text);
}

// The number inside the line: without the opening quote and anything from the closing
// one on; `after` tells whether anything follows the closing quote.
std::string_view number_of_line(std::string_view line, bool& after) {
  after = false;
  if (line.empty() || line[0] != '"') return line;
  const std::string_view inside = line.substr(1);
  const std::size_t close = inside.find('"');
  if (close == std::string_view::npos) return inside;
  after = close + 1 < inside.size();
  return inside.substr(0, close);
}

float based_value(std::string_view text) {
  if (text.size() < 2) return 0.0f;
  const int base = base_of(text[1]);
  if (base == 0) return 0.0f;
  std::uint64_t value = 0;
  for (std::size_t i = 2; i < text.size(); ++i) {
    const int digit = digit_in_base(text[i], base);
    if (digit < 0) break;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
  }
  return static_cast<float>(value);
}

// The decimal number at the start of the text, rounded once to the nearest float; a
// value beyond the largest float gives the largest float (the nearest one), zero is
// always +0.
float decimal_value(std::string_view text) {
  DecimalParts d;
  std::size_t used = 0;
  read_decimal_shape(text, d, used);
  if (d.whole.empty() && d.fraction.empty()) return 0.0f;
  std::string clean(d.negative ? "-" : "");
  clean += d.whole.empty() ? std::string_view("0") : d.whole;
  clean += '.';
  clean += d.fraction;
  clean += '0';  // "12." and "12.5" alike read as a full fraction
  if (!d.exponent.empty()) {
    clean += d.exponent_negative ? "e-" : "e";
    clean += d.exponent;
  }
  float value = 0.0f;
  const auto result = std::from_chars(clean.data(), clean.data() + clean.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Past the largest float (the range rule lets a few such numbers through), or
    // below the smallest, which the rules refuse.
    const bool large = first_digit_position(d) > 0;
    value = large ? std::numeric_limits<float>::max() : 0.0f;
    if (d.negative) value = -value;
  }
  if (std::isinf(value)) value = std::copysign(std::numeric_limits<float>::max(), value);
  return value == 0.0f ? 0.0f : value;
}

}  // namespace

bool number_line_accepted(const std::string& line) {
  bool after = false;
  const std::string_view number = number_of_line(line, after);
  return !after && number_accepted(number);
}

float number_line_value(const std::string& line) {
  bool after = false;
  const std::string_view number = number_of_line(line, after);
  if (!number.empty() && number[0] == '&') return based_value(number);
  return decimal_value(number);
}

}  // namespace console
