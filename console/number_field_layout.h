// One numeric field of a number field format and the layout of a value in it: the
// value rounded half away from zero to the decimal positions, right-aligned in the
// integer positions, and marked with "%" when it needs more digits than they hold.
#pragma once

#include <string>

namespace console {

// A numeric field as read from a format such as "+##,###.##".
struct NumberField {
  bool leading_sign = false;   // begins with "+": "+" or "-" always shown, before the blanks
  int integer_positions = 0;   // W: the "#" and "," before the point
  bool comma = false;          // a "," among them: digits grouped in threes
  bool point = false;          // a "." in the field: the point is always written
  int decimal_positions = 0;   // D: the "#" after the point
};

// The laid-out text of x in `field`: "%" on overflow, the sign, the filling blanks,
// a "0" before the point when the value is below 1 and a position is free, the
// integer digits, the point and the decimal digits. Infinities and values that are
// not numbers, which the program never lays out, give "%", the sign and "INF"/"NAN".
std::string lay_out_number_field(const NumberField& field, float x);

}  // namespace console
