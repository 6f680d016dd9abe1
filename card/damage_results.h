// The four result tables of the damage box: surface damage, radiation damage,
// interior explosions and critical hits, each by row (0 to 27). The rows a roll can
// reach are 2 to 27 for the surface and radiation tables, 2 to 18 for interior
// explosions and 2 to 12 for critical hits. Results the ship cannot suffer (its
// computer's entries when it is a fib model, its jump drive's when it has none) read
// " - NE -", as do rows 22 to 27 of the surface and radiation tables.
#pragma once

#include <array>
#include <string>

#include "console/console.h"
#include "program/program.h"

namespace card {

// One of the four result tables of the program, rows 0 to 27.
using ResultTable = std::array<std::string, 28> program::Program::*;

// Sets `no_effect_text` and fills the four tables afresh for the ship whose card was
// printed last: the radiation table's computer entries become " - NE -" when
// `computer_fib` is exactly 1, the jump-drive entries of the interior explosion and
// critical hit tables when `jdrive_rating` is exactly 0.
void fill_damage_results(program::Program& p, console::Console& c);

}  // namespace card
