#include "card/weapon_output.h"

#include <cstddef>
#include <cstdint>

#include "console/files.h"
#include "console/number_conversion.h"
#include "console/number_field.h"
#include "console/screen.h"

namespace card::weapons {

namespace {

constexpr float kScreenOutput = 2;

long card_output_number(const ships::Program& p) {
  return static_cast<long>(console::round_to_int64(p.output_channel));
}

}  // namespace

bool card_on_screen(const ships::Program& p) { return p.output_channel == kScreenOutput; }

void write_card_text(ships::Program& p, console::Console& c, const std::string& text, bool line_end) {
  console::print_to_file(c, card_output_number(p), text, false, false, line_end);
}

void write_card_fields(ships::Program& p, console::Console& c, const std::string& format,
                       std::initializer_list<float> values, bool line_end) {
  std::string laid_out;
  int position = 0;
  for (const float x : values) {
    position = console::format_number_field(c.errors, format, position, x, laid_out);
  }
  write_card_text(p, c, laid_out, line_end);
}

void move_card_cursor(ships::Program& p, console::Console& c, long row, long column) {
  if (card_on_screen(p)) console::move_cursor(c, row, column);
}

void end_step(console::Console& c, int place) { console::statement_event_check(c, place); }

float current_agility(const ships::Program& p) {
  const std::int64_t index = console::round_to_int64(p.ship_index);
  if (index < 0 || static_cast<std::size_t>(index) >= p.ship_agility.size()) return 0;
  return p.ship_agility[static_cast<std::size_t>(index)];
}

}  // namespace card::weapons
