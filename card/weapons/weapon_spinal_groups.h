// The particle weapon and meson gun groups of the weapons table, written after the
// energy weapons; a rating above 10 names a spinal weapon, which has its own label
// and a multiplier. Each routine reads its weapon's rating and battery count from the
// current ship's profile and battery line and, when the ship carries the weapon,
// writes the group's rows and counts them in `weapon_rows`.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card::weapons {

// Written when the particle battery count is not 0, whatever the rating: one row
// without factors and a separator.
void print_particle_group(program::Program& p, console::Console& c);

// Written when the meson rating is not 0: the MES row, the Con row and a separator.
void print_meson_group(program::Program& p, console::Console& c);

}  // namespace card::weapons
