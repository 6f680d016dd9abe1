// The weapon groups of the weapons table, in the order in which the table writes
// them: lasers, energy weapons, particle weapons, meson guns and missiles. Each
// routine reads its weapon's rating and battery count from the current ship's profile
// and battery line and, when the ship carries the weapon, writes the group's rows and
// counts them in `weapon_rows`.
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

// Written when the particle battery count is not 0, whatever the rating: one row
// without factors and a separator.
void print_particle_group(program::Program& p, console::Console& c);

// Written when the meson rating is not 0: the MES row, the Con row and a separator.
void print_meson_group(program::Program& p, console::Console& c);

// Written when the missile rating (held in `mes_rating`) is not 0: the S/B, Missiles
// and NuD rows, each with a line end in the document only, and no separator.
void print_missile_group(program::Program& p, console::Console& c);

}  // namespace card::weapons
