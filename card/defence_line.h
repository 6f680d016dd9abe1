// The defence line: the rest of row 8 of the data card after the computer cell. The
// armor cell shows the armor as a number in the document and as a bar of glyphs on
// the screen; the ship's defences (MES, NuD, BlG, SaC and REP) stand centred beside
// it, and the frame edge closes the row.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// The rest of row 8 after the computer cell, through the card output: the armor cell,
// the defence text centred in the 55 columns before the frame edge, and on the screen
// the joins of the cells into the rule above.
void print_defence_line(program::Program& p, console::Console& c);

// The defence ratings and battery counts of the current ship and `card_line`, the
// defence text: "DEFENCE:" and each defence above 0, empty when there is none. The
// SaC and REP counts are the batteries times `hull_factor`, rounded half to even; a
// count too large for 16 bits raises error 6 and shows 0.
void build_defence_text(program::Program& p, console::Console& c);

}  // namespace card
