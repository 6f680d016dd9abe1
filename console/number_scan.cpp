#include "console/number_scan.h"

#include <charconv>
#include <string>

namespace console {

namespace {

// The largest magnitude a program number may take.
constexpr double kLargestNumber = 3.402823466E+38;
// Decimal exponents (counted at the first significant digit) outside this range
// overflow a double or are below its smallest value.
constexpr long long kLargestExponent = 308;
constexpr long long kSmallestExponent = -324;

bool is_digit(unsigned char b) { return b >= '0' && b <= '9'; }
bool is_exponent_letter(unsigned char b) { return b == 'E' || b == 'e' || b == 'D' || b == 'd'; }

int hex_digit(unsigned char b) {
  if (is_digit(b)) return b - '0';
  if (b >= 'A' && b <= 'F') return b - 'A' + 10;
  if (b >= 'a' && b <= 'f') return b - 'a' + 10;
  return -1;
}

}  // namespace

bool NumberScanner::feed(unsigned char byte) {
  switch (state_) {
    case State::Start:
      if (byte == '&') {
        state_ = State::Ampersand;
        return true;
      }
      if (byte == '+' || byte == '-') {
        negative_ = byte == '-';
        state_ = State::AfterSign;
        return true;
      }
      return feed_mantissa_byte(byte);
    case State::AfterSign:
    case State::Mantissa:
      return feed_mantissa_byte(byte);
    case State::ExponentStart:
      if (byte == '+' || byte == '-') {
        exponent_negative_ = byte == '-';
        state_ = State::ExponentSign;
        return true;
      }
      return feed_exponent_digit(byte);
    case State::ExponentSign:
    case State::ExponentDigits:
      return feed_exponent_digit(byte);
    case State::Ampersand:
      if (byte == 'H' || byte == 'h') state_ = State::Hex;
      else if (byte == 'O' || byte == 'o') state_ = State::Octal;
      else return false;
      return true;
    case State::Hex:
      if (hex_digit(byte) < 0) return false;
      feed_radix_digit(hex_digit(byte), 16);
      return true;
    case State::Octal:
      if (byte < '0' || byte > '7') return false;
      feed_radix_digit(byte - '0', 8);
      return true;
  }
  return false;
}

// The mantissa may be empty: an exponent letter straight after the sign (or at the
// start) opens the exponent as it does after a point, so "E5" reads as ".E5" does.
bool NumberScanner::feed_mantissa_byte(unsigned char byte) {
  if (is_exponent_letter(byte)) {
    state_ = State::ExponentStart;
    return true;
  }
  return feed_mantissa_digit(byte);
}

bool NumberScanner::feed_mantissa_digit(unsigned char byte) {
  if (byte == '.') {
    if (point_seen_) return false;
    point_seen_ = true;
    state_ = State::Mantissa;
    return true;
  }
  if (!is_digit(byte)) return false;
  state_ = State::Mantissa;
  has_digits_ = true;
  if (significant_count_ == 0 && byte == '0') {
    if (point_seen_) ++zeros_after_point_;
    return true;
  }
  if (significant_count_ < kKeptDigits) kept_[significant_count_] = static_cast<char>(byte);
  if (significant_count_ < kMaxSignificantDigits) ++significant_count_;
  else overflow_ = true;
  if (!point_seen_) ++significant_before_point_;
  return true;
}

bool NumberScanner::feed_exponent_digit(unsigned char byte) {
  if (!is_digit(byte)) return false;
  state_ = State::ExponentDigits;
  if (exponent_digit_count_ == 0 && byte == '0') return true;
  if (exponent_digit_count_ < kMaxExponentDigits) {
    ++exponent_digit_count_;
    exponent_ = exponent_ * 10 + (byte - '0');
  } else {
    overflow_ = true;
  }
  return true;
}

// The digits build the exact integer; it becomes a double only once, in result(), so
// a value above 2^53 is the double nearest the integer, not one rounded at every digit.
void NumberScanner::feed_radix_digit(int digit, int base) {
  has_digits_ = true;
  if (overflow_) return;
  const RadixInteger largest = ~RadixInteger{0};
  if (radix_value_ > (largest - static_cast<RadixInteger>(digit)) / static_cast<RadixInteger>(base)) {
    overflow_ = true;  // far beyond the largest number a program number may take
    return;
  }
  radix_value_ = radix_value_ * static_cast<RadixInteger>(base) + static_cast<RadixInteger>(digit);
  if (static_cast<double>(radix_value_) > kLargestNumber) overflow_ = true;
}

ScannedNumber NumberScanner::result() const {
  if (overflow_) return {0, true, has_digits_};
  if (state_ == State::Ampersand || state_ == State::Hex || state_ == State::Octal) {
    return {static_cast<double>(radix_value_), false, has_digits_};
  }
  return decimal_result();
}

ScannedNumber NumberScanner::decimal_result() const {
  if (significant_count_ == 0) return {0, false, has_digits_};
  const long long first_digit_exponent =
      (significant_before_point_ > 0 ? significant_before_point_ - 1 : -(zeros_after_point_ + 1)) +
      (exponent_negative_ ? -exponent_ : exponent_);
  if (first_digit_exponent > kLargestExponent) return {0, true, true};
  if (first_digit_exponent < kSmallestExponent) return {0, false, true};

  // Only the first 17 significant digits count; the rest are dropped, not rounded.
  const long long kept = significant_count_ < kKeptDigits ? significant_count_ : kKeptDigits;
  std::string text(kept_, static_cast<std::size_t>(kept));
  text += 'e';
  text += std::to_string(first_digit_exponent - (kept - 1));
  double value = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
  if (parsed.ec == std::errc::result_out_of_range) {
    if (first_digit_exponent > 0) return {0, true, true};
    value = 0;  // below the smallest double
  }
  // Both signs are bounded: a number read may not become an infinity.
  if (value > kLargestNumber) return {0, true, true};
  return {negative_ ? -value : value, false, true};
}

}  // namespace console
