// The weapons table of the data card: a box under the DEFENCE line with the evasion,
// the computer model and the CT value in its header row, then one row group for each
// weapon the ship carries, and a bottom rule. The same lines go to the document and to
// the screen; on the screen four cursor moves place the table on rows 9 to 24.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// The table under row 8, through the card output, from the current ship's profile,
// battery line and agility and the values the card header left.
void print_weapons_table(program::Program& p, console::Console& c);

}  // namespace card
