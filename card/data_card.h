// The data card of the chosen ship, written through the card output that
// `output_channel` names: the card itself (the header, the defence line and the
// weapons table) and the damage section that follows it.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// The card header, the defence line and the weapons table of the current ship.
void print_data_card(program::Program& p, console::Console& c);

// The damage box and the title block on both outputs; the document goes on with the
// movement and counter-value blocks.
void print_damage_section(program::Program& p, console::Console& c);

}  // namespace card
