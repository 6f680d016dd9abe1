// The text of a number: how a single-precision value is written when it stands by
// itself (a number item of a write, or a number joined into a text), worked out from
// its exact binary value. The blank that follows a number item is the writer's.
#pragma once

#include <cstdint>
#include <string>

namespace console {

// A blank (zero, positive) or "-", then |x| rounded to 7 significant digits (ties to
// even) without trailing zeros: in fixed form when the rounded value is below
// 10,000,000 and needs at most 7 decimal places, with no "0" before the point
// (" .5"), otherwise in exponent form with a two-digit exponent (" 1.234568E+07").
// Infinities and values that are not numbers, which the program never writes, give
// the sign character and "INF" or "NAN".
std::string number_to_text(float x);

// A blank (n >= 0) or "-", then the decimal digits of |n| ("0" for 0); the same text
// as the number text of the same value.
std::string number_to_text_int16(std::int16_t n);

}  // namespace console
