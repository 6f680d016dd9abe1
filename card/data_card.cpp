#include "card/data_card.h"

#include "card/card_header.h"
#include "card/counter_block.h"
#include "card/damage_results.h"
#include "card/damage_table.h"
#include "card/defence_line.h"
#include "card/movement_block.h"
#include "card/title_block.h"
#include "card/weapons/weapons_table.h"

namespace card {

void print_data_card(program::Program& p, console::Console& c) {
  print_card_header(p, c);
  print_defence_line(p, c);
  print_weapons_table(p, c);
}

void print_damage_section(program::Program& p, console::Console& c) {
  fill_damage_results(p, c);
  print_damage_table(p, c);
  print_card_title(p, c);
  if (p.output_channel != 1) return;
  print_movement_block(p, c);
  print_stats_block(p, c);
}

}  // namespace card
