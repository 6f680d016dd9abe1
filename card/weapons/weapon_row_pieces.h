// The repeated pieces of the weapons table: the head of a weapon row (frame, label,
// battery count, S and L values, 32 characters up to the double line), one factor
// cell, and the separator line between weapon groups.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card::weapons {

// `frame_side`, `weapon_label`, a blank, the battery count (`weapon_batt`, four
// positions), `s_value` and `l_value` (two positions each; " X" for an L value below
// -20), and the double line. No line end.
void print_weapon_row_head(program::Program& p, console::Console& c);

// `cell_value` in two positions and a blank before the divider, or in three positions
// when it is -10 or below. No line end.
void print_factor_cell(program::Program& p, console::Console& c);

// The separator line, with its line end.
void print_weapon_separator(program::Program& p, console::Console& c);

}  // namespace card::weapons
