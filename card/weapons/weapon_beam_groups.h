// The laser and energy weapon groups of the weapons table, the first two that the
// table writes. Each routine reads its weapon's rating and battery count from the
// current ship's profile and battery line and, when the ship carries the weapon,
// writes the group's rows and counts them in `weapon_rows`.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card::weapons {

// Also sets `beam_base`, which the energy group reads, and starts `weapon_rows` at 1
// (the separator under the header). Written when the laser rating is not 0: one row
// and a separator.
void print_laser_group(program::Program& p, console::Console& c);

// Written when the energy rating is not 0: one row (S from the laser's base, L shown
// as " X") and a separator.
void print_energy_group(program::Program& p, console::Console& c);

}  // namespace card::weapons
