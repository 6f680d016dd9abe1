// The card's title block, written after the damage box on both outputs: the ship's
// name and type, then its profile with its battery line beneath, each centred on a
// line of 79 columns, between empty lines. The battery line takes the profile's indent,
// so each battery count stands under the profile character of its system.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// Sets `card_title` (name, " - ", `type_text`) and `centre_indent`, and writes the six
// lines of the block. On the screen, after the damage box, they are rows 18 to 23.
void print_card_title(program::Program& p, console::Console& c);

}  // namespace card
