#include "card/data_card.h"

namespace card {

// The rows of the card come with the card rules; until then a card is empty.
void print_card_header(ships::Program&, console::Console&) {}
void print_defence_line(ships::Program&, console::Console&) {}
void print_weapons_table(ships::Program&, console::Console&) {}
void print_damage_section(ships::Program&, console::Console&) {}

}  // namespace card
