// The data card of the chosen ship, written through the card output: the header, the
// defence line, the weapons table, and the damage section.
#pragma once

#include "console/console.h"
#include "ships/program.h"

namespace card {

void print_card_header(ships::Program& p, console::Console& c);
void print_defence_line(ships::Program& p, console::Console& c);
void print_weapons_table(ships::Program& p, console::Console& c);
void print_damage_section(ships::Program& p, console::Console& c);

}  // namespace card
