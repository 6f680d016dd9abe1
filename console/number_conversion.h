// Conversions between numbers: rounding to integers (half to even), the integer part,
// and the numeric value of a text.
#pragma once

#include <cstdint>
#include <string>

#include "console/runtime_error.h"

namespace console {

// The silent conversion of a number that serves as an integer argument: nearest
// integer, ties to even.
std::int64_t round_to_int64(long double x);

// The explicit rounding into 16 bits, ties to even. Outside -32768.5 <= x < 32767.5:
// error 6 and the result 0.
std::int16_t round_to_int16(ErrorState& errors, double x);

// The greatest integer not above x, in the precision of x.
float integer_part(float x);
double integer_part(double x);
long double integer_part(long double x);

// The numeric value of a text in extended precision ("&H", "&O", "&B" numbers with
// too many digits: error 6 and 0).
long double parse_number_text(ErrorState& errors, const std::string& text);

}  // namespace console
