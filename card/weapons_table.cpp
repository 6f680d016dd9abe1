#include "card/data_card.h"

namespace card {

// Drawn by the card rules; until they are built this part of the card is empty.
void print_weapons_table(ships::Program&, console::Console&) {}

}  // namespace card
