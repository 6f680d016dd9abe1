#include "card/counter_block.h"
#include "card/damage_results.h"
#include "card/damage_table.h"
#include "card/data_card.h"
#include "card/movement_block.h"
#include "card/title_block.h"

namespace card {

// The damage box and the title block on both outputs; the document goes on with the
// movement and counter-value blocks.
void print_damage_section(program::Program& p, console::Console& c) {
  fill_damage_results(p, c);
  print_damage_table(p, c);
  print_card_title(p, c);
  if (p.output_channel != 1) return;
  print_movement_block(p, c);
  print_stats_block(p, c);
}

}  // namespace card
