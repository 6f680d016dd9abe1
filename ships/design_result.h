// The design result on the screen, below the header row and the computer row: the
// designed profile and battery line, the EP budget with what is left of it and the
// agility, and the ship's counter values for the board games VALDORIN and
// BRELLACOSTA. Every row is a direct screen write: each item fitted, a number item
// followed by one blank.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace ships {

// Rows 4 to 8: empty, the profile, the battery line, empty, and the EP row with the
// agility as computed (negative included).
void print_design_rows(program::Program& p, console::Console& c);

// The counter values of record 0 (compute_stats) and their lines: an empty line, the
// title, the class with its text, and BEAM, MISSILE and SREENS.
void show_design_stats(program::Program& p, console::Console& c);

// The EP left in percent of the budget (single precision, the division first); 0 for
// a budget of 0.
float ep_left_percentage(float ep_left, float ep_total);

}  // namespace ships
