// The designed ship's configuration, drives, power plant and computer (pairs 7 to 14
// of SHIP.DAT): profile characters 5 to 9 and 12, the energy budget in EP that the
// power plant gives, and the computer model, shown on row 3 of the design result.
#pragma once

#include <string>

#include "console/console.h"
#include "program/program.h"

namespace ships {

// Pairs 7 to 11: configuration, armor, J-Drive, M-Drive and P-Plant; sets the codes
// X, Y and Z of record 0 to 31, 32 and 33, and the EP budget.
void derive_drive_codes(program::Program& p, console::Console& c);

// Pairs 12 to 14: computer code, count and bonus; takes the computers' EP, prints the
// computer row and leaves the profile character in `computer_text`.
void derive_computer_code(program::Program& p, console::Console& c);

// The power plant rating that a P-Plant letter's value gives at a file TL, before it
// is rounded: the value itself from TL 15 on, divided by 2 below TL 15, by 3 below
// TL 13 and by 4 below TL 9.
float pplant_rating_by_tl(float letter_value, float tl);

// The value of a P-Plant letter, or nullptr for a text that is not one of the letters.
const float* pplant_letter_value(const std::string& code);

struct FileComputerModel {
  const char* code;
  float ep_each;
  const char* profile_char;
};

// The row of an upper-cased computer code, or nullptr when the table has none.
const FileComputerModel* file_computer_model(const std::string& code);

}  // namespace ships
