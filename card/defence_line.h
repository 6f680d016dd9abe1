// The defence line: the rest of row 8 of the data card after the computer cell. The
// armor cell shows the armor as a number in the document and as a bar of glyphs on
// the screen; the ship's defences (MES, NuD, BlG, SaC and REP) stand centred beside
// it, and the frame edge closes the row.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// `bar_double`, `bar_single` and `armor_bar` for `armor_rating`: one double bar for
// every two points of armor and a single bar for an odd point, at most seven glyphs
// (a rating of 14 or more); empty for 0, and one single bar for any other rating
// below 2, negative ones included.
void make_armor_bar(program::Program& p);

// The defence ratings and battery counts of the current ship and `card_line`, the
// defence text: "DEFENCE:" and each defence above 0, empty when there is none. The
// SaC and REP counts are the batteries times `hull_factor`, rounded half to even; a
// count too large for 16 bits raises error 6 and shows 0.
void build_defence_text(program::Program& p, console::Console& c);

}  // namespace card
