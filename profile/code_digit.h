// Code digits: one character of a ship's profile or battery line that stands for a
// number. "0" to "9" are 0 to 9, A to H are 10 to 17, J to N 18 to 22 and P to W 23 to
// 30 (no I and no O); X, Y and Z stand for three values that every ship record holds
// for itself (31, 32 and 33 on the designed ship). Every other character, a blank and
// the empty text count 0.
//
// Both routines work through two values of the program: `code_char` (the character)
// and `code_value` (its number).
#pragma once

#include "console/runtime_error.h"
#include "program/program.h"

namespace profile {

// Sets `code_value` to the value of `code_char`. X, Y and Z read the record whose
// index is `ship_index` rounded half to even; an index outside the ship arrays gives
// 0. Never fails.
void decode_code_char(program::Program& p);

// Rounds `code_value` half to even into the 16-bit range and stores it back, then
// sets `code_char` to its character: "0" for 0 and below, "X", "Y" and "Z" for 31, 32
// and 33 and above, as the designed ship decodes them. Outside -32768.5 <= value <
// 32767.5: error 6, `code_value` 0 and `code_char` "0".
void encode_code_char(program::Program& p, console::ErrorState& errors);

}  // namespace profile
