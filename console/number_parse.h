// The numeric value of a text, as the program asks for it where a text stands for a
// number (a code digit, the first character of a computer text). A function of its
// argument; it raises its own error whether or not an error is pending already.
#pragma once

#include <string>

#include "console/runtime_error.h"

namespace console {

// The numeric value of a text, in extended precision. Blanks and tabs are skipped
// wherever they stand. "&H", "&O" and "&B" start a hexadecimal, octal or base-2 number
// read as a signed 64-bit integer; one of more than 64 bits raises error 6 and gives 0.
// Otherwise the reading takes a sign, digits, a point, digits and an exponent ("E",
// "e", "D" or "d" with a sign and digits) in that order and stops at the first
// character that does not fit; the decimal number read is rounded to the nearest
// extended-precision value (0 when it has no non-zero digit).
long double parse_number_text(ErrorState& errors, const std::string& text);

}  // namespace console
