// The damage box of a data card: for every roll of two dice (2 to 12) the result of a
// hit in eight columns under four kinds of damage (surface, radiation, interior
// explosions, critical hits). Each column reads one of the result tables at a row
// that follows from the roll and, for three columns, from the ship's armor.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// Ends the line the weapons table leaves open, clears the screen (whatever the card
// output is) and writes the 17 lines of the box, each 80 characters. In the document
// every line ends with CR LF; on the screen the roll rows have no line end, as each
// fills its row to column 80. Reads the tables of fill_damage_results and
// `armor_rating`.
void print_damage_table(program::Program& p, console::Console& c);

}  // namespace card
