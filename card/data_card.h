// The data card of the chosen ship, written through the card output: the header, the
// defence line, the weapons table, and the damage section.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

void print_card_header(program::Program& p, console::Console& c);
void print_defence_line(program::Program& p, console::Console& c);
void print_weapons_table(program::Program& p, console::Console& c);
void print_damage_section(program::Program& p, console::Console& c);

}  // namespace card
