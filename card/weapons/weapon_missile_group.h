// The missile group of the weapons table: the S/B row, the missile row and the NuD
// row. It is the last group and has no separator after it. It reads the missile
// rating and battery count from the current ship's profile and battery line and, when
// the ship carries missiles, writes the group's rows and counts them in
// `weapon_rows`.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card::weapons {

// Written when the missile rating (held in `mes_rating`) is not 0: the S/B, Missiles
// and NuD rows, each with a line end in the document only, and no separator.
void print_missile_group(program::Program& p, console::Console& c);

}  // namespace card::weapons
