#include "card/damage_table.h"

#include <cstddef>
#include <string>

#include "card/card_places.h"
#include "card/card_writes.h"
#include "card/damage_results.h"
#include "console/cp437.h"
#include "console/number_conversion.h"
#include "console/screen.h"

namespace card {

namespace {

enum Place {
  kLineEndAfterCard = place::kDamageTable,
  kCellWidth,
  kClearScreen,
  kRollNumber,
  kRowIndex,
  kRowIndexTop,
  kRowIndexBottom,
  kResultCell,
  kRowLineEnd,
  kBottomLine,
  kHeaderLines = place::kDamageTable + 20,  // one place per header line, five of them
  kTableStepsEnd = kHeaderLines + 5,
};
static_assert(kBottomLine < kHeaderLines && kTableStepsEnd <= place::kTitleBlock);

constexpr const char* DAMAGE_TABLE_HEADER[] = {
    "┌────┬─────────────────┬──────────────────────────┬─────────────────┬──────────┐",
    "│  2 │ SURFACE  DAMAGE │     RADIATION DAMAGE     │ INT. EXPLOSIONS │ CRITICAL │",
    "│  D ├────────┬────────┼────────┬────────┬────────┼────────┬────────┤          │",
    "│  6 │Factor<A│Nukes/SM│ Armor  │Meson<10│Meson SM│Meson<10│MesSM/IE│   HITS   │",
    "├────┼════════╪════════╪════════╪════════╪════════╪════════╪════════╪══════════┤",
};
constexpr const char* kDamageTableBottom =
    "└────┴────────┴────────┴────────┴────────┴────────┴────────┴────────┴──────────┘";
constexpr const char* kRollField = "│ ## │";
constexpr const char* kCellEdge = "│";

// One result column: the table it reads, its row (the roll, plus the armor when
// `adds_armor`, plus `offset`) and its width (0: the cell width of the box).
struct DamageColumnRule {
  ResultTable table;
  bool adds_armor;
  float offset;
  float width;
};

constexpr DamageColumnRule DAMAGE_COLUMN_RULES[] = {
    {&program::Program::surface_damage_result, true, 6, 0},       // Factor<A
    {&program::Program::surface_damage_result, true, 0, 0},       // Nukes/SM
    {&program::Program::radiation_damage_result, true, 0, 0},     // Armor
    {&program::Program::radiation_damage_result, false, 6, 0},    // Meson<10
    {&program::Program::radiation_damage_result, false, 0, 0},    // Meson SM
    {&program::Program::interior_explosion_result, false, 6, 0},  // Meson<10
    {&program::Program::interior_explosion_result, false, 0, 0},  // MesSM/IE
    {&program::Program::critical_hit_result, false, 0, 10},       // HITS
};

constexpr float kDamageCellWidth = 8;
constexpr float kFirstRoll = 2, kLastRoll = 12;
constexpr float kTopRow = 27, kBottomRow = 2;

void write_header(program::Program& p, console::Console& c) {
  int place = kHeaderLines;
  for (const char* line : DAMAGE_TABLE_HEADER) {
    write_text(p, c, console::utf8_to_cp437(line), true);
    console::statement_event_check(c, place++);
  }
}

void find_damage_row(program::Program& p, console::Console& c, const DamageColumnRule& rule) {
  float row = p.roll_2d6;
  if (rule.adds_armor) row = row + p.armor_rating;
  p.damage_row = row + rule.offset;
  console::statement_event_check(c, kRowIndex);
  if (p.damage_row > kTopRow) p.damage_row = kTopRow;
  console::statement_event_check(c, kRowIndexTop);
  if (p.damage_row < kBottomRow) p.damage_row = kBottomRow;
  console::statement_event_check(c, kRowIndexBottom);
}

void write_result_cell(program::Program& p, console::Console& c, const DamageColumnRule& rule) {
  const auto& table = p.*rule.table;
  const auto row = static_cast<std::size_t>(console::round_to_int64(p.damage_row));
  const std::string entry = row < table.size() ? table[row] : std::string();
  const float width = rule.width == 0 ? p.damage_cell_width : rule.width;
  const float fill = width - static_cast<float>(entry.size());
  write_text(p, c, entry);
  write_skip(p, c, fill);
  write_text(p, c, console::utf8_to_cp437(kCellEdge));
  console::statement_event_check(c, kResultCell);
}

void write_roll_row(program::Program& p, console::Console& c) {
  write_fields(p, c, console::utf8_to_cp437(kRollField), {p.roll_2d6});
  console::statement_event_check(c, kRollNumber);
  for (const DamageColumnRule& rule : DAMAGE_COLUMN_RULES) {
    find_damage_row(p, c, rule);
    write_result_cell(p, c, rule);
  }
  if (p.output_channel == 1) {
    write_text(p, c, "", true);
    console::statement_event_check(c, kRowLineEnd);
  }
}

}  // namespace

void print_damage_table(program::Program& p, console::Console& c) {
  write_text(p, c, "", true);
  console::statement_event_check(c, kLineEndAfterCard);
  p.damage_cell_width = kDamageCellWidth;
  console::statement_event_check(c, kCellWidth);
  console::clear_screen(c);
  console::statement_event_check(c, kClearScreen);
  write_header(p, c);
  for (p.roll_2d6 = kFirstRoll; p.roll_2d6 <= kLastRoll; p.roll_2d6 = p.roll_2d6 + 1) write_roll_row(p, c);
  write_text(p, c, console::utf8_to_cp437(kDamageTableBottom), true);
  console::statement_event_check(c, kBottomLine);
}

}  // namespace card
