// The constant tables behind the weapons table: the group base of particle
// weapons and meson guns by rating, the missile base, and the meson guns' digits
// for the factor cells of their MES and Con rows.
//
// A base is the to-hit number of a group before the ship's computer model is taken
// off. The meson digits are nine strings, one per factor column, of 27 two-digit
// numbers each: the k-th number is the value at meson rating k.
#pragma once

#include <string>

#include "console/runtime_error.h"

namespace card::weapons {

// The first line of the particle table that holds for the rating: 1 gives 9, 2 gives
// 8, below 5 gives 7, below 7 gives 6, below 9 gives 5, 9 gives 4, below 15 gives 3,
// below 20 gives 2, below 24 gives 1, anything else 0.
float particle_base_for(float rating);

// The same for meson guns: below 3 gives 9, 3 gives 8, below 7 gives 7, below 10
// gives 6, below 12 gives 5, anything else 4.
float meson_base_for(float rating);

// 7 less half the missile rating rounded half to even into 16 bits. A half rating
// outside the 16-bit range raises error 6 and the rounding counts 0 (the base is 7).
float missile_base_for(console::ErrorState& errors, float rating);

enum class MesonRow { Mes, Con };

// The digit string of a meson row for factor column 1 to 9; the empty text for any
// other column.
std::string meson_digits(MesonRow row, float column);

// The two characters of `digits` from position 2 * rating - 1 (rounded half to even),
// fewer when the text ends before them, none when the position lies before the text.
std::string meson_digit_pair(const std::string& digits, float rating);

}  // namespace card::weapons
