// The text export of a designed ship: record 0 written to a text file named after the
// ship with ".txt" (replaced at every design), in four lines that each begin with a
// blank and end with CR LF. Line 1 holds the name and, from the next comma zone on,
// the type; lines 2 to 4 the profile, the battery line and the numbers of the record,
// each number as its number text followed by one blank. The codes X, Y and Z are not
// written. Nothing is shown on the screen.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace ships {

// Writes the export of the record at `ship_count` (0 after a design) through file 1
// and closes it; `output_channel` is 1 afterwards. A file that cannot be created
// shows its error box, and then one box for each line.
void write_text_export(program::Program& p, console::Console& c);

}  // namespace ships
