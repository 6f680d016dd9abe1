// Conversions between numbers: rounding to integers (half to even), the integer part,
// and the numeric value of a text. All are functions of their arguments; they raise
// their own errors whether or not an error is pending already.
#pragma once

#include <cstdint>
#include <string>

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

// The numeric value of a text, in extended precision. Blanks and tabs are skipped
// wherever they stand. "&H", "&O" and "&B" start a hexadecimal, octal or base-2 number
// read as a signed 64-bit integer; one of more than 64 bits raises error 6 and gives 0.
// Otherwise the reading takes a sign, digits, a point, digits and an exponent ("E",
// "e", "D" or "d" with a sign and digits) in that order and stops at the first
// character that does not fit; the decimal number read is rounded to the nearest
// extended-precision value (0 when it has no non-zero digit).
long double parse_number_text(ErrorState& errors, const std::string& text);

}  // namespace console
