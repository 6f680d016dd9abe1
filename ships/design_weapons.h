// The designed ship's weapons (pairs 15 to 38 of SHIP.DAT): the factor digit and the
// battery digit of each of the six kinds (sand casters, lasers, energy weapons,
// particle weapons, meson guns, missiles), and the EP that they take from the budget.
//
// The file values count with fixed weights; a factor comes from a table of steps by
// the amount (or by the TL alone, for energy weapons and meson guns) and a TL bonus.
// A battery digit is a blank for no batteries.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace ships {

// All six kinds, reading their 24 pairs: the steps below in order.
void design_weapons(program::Program& p, console::Console& c);

// Pairs 15 to 20 into file_wpn_1 to file_wpn_6, then the lasers and the sand casters.
void derive_laser_sac_codes(program::Program& p, console::Console& c);
void derive_laser_codes(program::Program& p, console::Console& c);
void derive_sac_codes(program::Program& p, console::Console& c);

// Pairs 21 to 38 into file_num_1 to file_num_18.
void read_file_numbers(program::Program& p, console::Console& c);

void derive_energy_codes(program::Program& p, console::Console& c);
void derive_particle_codes(program::Program& p, console::Console& c);
void derive_meson_codes(program::Program& p, console::Console& c);
void derive_missile_codes(program::Program& p, console::Console& c);

}  // namespace ships
