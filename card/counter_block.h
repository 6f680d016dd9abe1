// The counter-value block that ends the document card: the ship's class with its
// tonnage in words, and its BEAM, MISSILE and screens values for the strategic board
// games, worked out afresh from the record as the card header left it (its agility
// lowered to the M-Drive).
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// Runs compute_stats for the ship `ship_index`, sets `stats_class_text`, ends the
// movement line left open and writes the block's nine lines, each with its line end.
void print_stats_block(program::Program& p, console::Console& c);

}  // namespace card
