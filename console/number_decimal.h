// The exact decimal value of a single-precision number. Every float is a binary
// fraction, so its decimal expansion is finite; the number text and the number fields
// round this exact value and never a shortened decimal form of it.
#pragma once

#include <string>

namespace console {

// A non-negative decimal number 0.d1d2...dn times 10 to the power `point`: `digits`
// holds d1 to dn without leading or trailing zeros (empty for zero) and `point` is the
// count of digits before the decimal point (negative or beyond n when the point lies
// outside the digits; 0 for zero).
struct DecimalDigits {
  std::string digits;
  int point = 0;
};

// The exact decimal value of |x|. REQUIRES: x is finite.
DecimalDigits exact_decimal(float x);

enum class DecimalRounding {
  TiesToEven,        // the number text
  HalfAwayFromZero,  // the number fields: a 5 in the first dropped place rounds up
};

// `value` cut after its first `kept` digits (counted from d1; 0 or fewer keeps no
// digit), rounded by `rounding`. A carry out of the first digit moves the point one
// place; trailing zeros are dropped from the result.
DecimalDigits round_decimal(const DecimalDigits& value, int kept, DecimalRounding rounding);

// The digits of `value` before the point, without leading zeros ("" when below 1).
std::string integer_digits(const DecimalDigits& value);

// The first `places` digits of `value` after the point, zeros filled in.
std::string fraction_digits(const DecimalDigits& value, int places);

}  // namespace console
