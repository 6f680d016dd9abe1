// The movement block of the document card: the ship's M-Drive and agility, and its
// movement in hexes per turn for pilot skills 1 to 6. Every two skill levels add one
// to M-Drive plus agility, and a third of the sum, rounded half to even, is the
// movement.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// Writes the block's three lines, the last without its line end (the counter-value
// block ends it). Sets `movement_skill`, `skill_bonus` and `hexes_per_turn`; a
// movement outside the 16-bit range raises error 6 and is written as 0.
void print_movement_block(program::Program& p, console::Console& c);

}  // namespace card
