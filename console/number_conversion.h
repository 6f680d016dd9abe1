// Conversions between numbers: rounding to integers (half to even) and the integer
// part. All are functions of their arguments; they raise
// their own errors whether or not an error is pending already.
#pragma once

#include <cstdint>

#include "console/runtime_error.h"

namespace console {

// The silent conversion of a number that serves as an integer argument (a record
// index, a position, a count, a file number): nearest integer, ties to even, in
// extended precision. A value whose rounding lies outside the 64-bit range, or that
// is not a number, gives the smallest 64-bit integer, which no receiving operation
// accepts.
std::int64_t round_to_int64(long double x);

// The explicit rounding into 16 bits, ties to even. Outside -32768.5 <= x < 32767.5
// (and for a value that is not a number): error 6 and the result 0.
std::int16_t round_to_int16(ErrorState& errors, double x);

// The greatest integer not above x, exact in the precision of x.
float integer_part(float x);
double integer_part(double x);
long double integer_part(long double x);

}  // namespace console
