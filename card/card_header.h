// The card header: rows 1 to 8 of a ship's data card, up to the computer cell of row
// 8, and the values that the rest of the card reads: the hull size and its battery
// factor, the drive ratings, the size modifier, the computer and the armor.
//
// The header leaves three changes in the ship's record, kept until the next restart:
// the name loses its species tag, an agility above the M-Drive is lowered to it, and
// an EP of 0 is filled in from the power plant. Its steps are those of
// header_values.h, header_texts.h and crew_text.h.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// Rows 1 to 7 and the computer cell of row 8, through the card output: centred lines
// in the document, boxes placed by cursor moves on the screen.
void print_card_header(program::Program& p, console::Console& c);

}  // namespace card
