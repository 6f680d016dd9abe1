// The text of a number: how a single-precision value is written when it stands by
// itself, worked out from its exact binary value.
#pragma once

#include <cstdint>
#include <string>

namespace console {

// A blank (zero, positive) or "-", then the value rounded to 7 significant digits
// (ties to even) in fixed form below 10,000,000 with at most 7 decimal places and no
// "0" before the point, otherwise in exponent form ("1.234568E+07").
std::string number_to_text(float x);

// A blank or "-", then the decimal digits of |n|.
std::string number_to_text_int16(std::int16_t n);

}  // namespace console
