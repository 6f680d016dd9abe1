// The number syntax shared by the readers of input files and of the built-in ship
// list, and the value of a number text in that syntax.
//
// A number is an optional "+" or "-", digits (maybe none) with at most one ".", and an
// optional exponent letter (E, e, D or d) with an optional sign and digits; or "&H"
// with hexadecimal digits, or "&O" with octal digits. The scanner is fed one byte at a
// time and says whether the byte still fits, so that a file reader can stop at the
// first byte that does not without reading ahead.
#pragma once

namespace console {

// The value of a scanned number. `overflow` stands for error 6: more than 256
// significant digits, more than 18 exponent digits, or a magnitude above
// 3.402823466E+38 (the value is then 0). A text with no digits has the value 0.
struct ScannedNumber {
  double value = 0;
  bool overflow = false;
  bool has_digits = false;
};

class NumberScanner {
 public:
  // True when `byte` continues the number; the byte is then taken. False when it
  // does not fit; the scanner is unchanged and the number ends before that byte.
  bool feed(unsigned char byte);

  // The value of what has been fed so far.
  ScannedNumber result() const;

 private:
  enum class State { Start, AfterSign, Mantissa, ExponentStart, ExponentSign, ExponentDigits,
                     Ampersand, Hex, Octal };

  bool feed_mantissa_byte(unsigned char byte);
  bool feed_mantissa_digit(unsigned char byte);
  bool feed_exponent_digit(unsigned char byte);
  void feed_radix_digit(int digit, int base);
  ScannedNumber decimal_result() const;

  static constexpr int kKeptDigits = 17;
  static constexpr int kMaxSignificantDigits = 256;
  static constexpr int kMaxExponentDigits = 18;

  State state_ = State::Start;
  bool negative_ = false;
  bool point_seen_ = false;
  bool overflow_ = false;
  bool has_digits_ = false;
  // Significant digits: those from the first non-zero digit on.
  long long significant_count_ = 0;
  long long significant_before_point_ = 0;
  long long zeros_after_point_ = 0;  // between the point and the first significant digit
  char kept_[kKeptDigits] = {};
  bool exponent_negative_ = false;
  int exponent_digit_count_ = 0;  // after the exponent's own leading zeros
  long long exponent_ = 0;
  // &H and &O numbers: the exact integer value of the digits. 128 bits hold every
  // value up to the largest program number, so it stays exact until it overflows.
  __extension__ typedef unsigned __int128 RadixInteger;
  RadixInteger radix_value_ = 0;
};

}  // namespace console
