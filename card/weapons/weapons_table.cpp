#include "card/weapons/weapons_table.h"

#include "card/card_places.h"
#include "card/card_writes.h"
#include "card/weapons/weapon_beam_groups.h"
#include "card/weapons/weapon_missile_group.h"
#include "card/weapons/weapon_row_pieces.h"
#include "card/weapons/weapon_rules.h"
#include "card/weapons/weapon_spinal_groups.h"
#include "console/number_conversion.h"
#include "profile/code_digit.h"
#include "profile/profile_access.h"

namespace card {

namespace {

using namespace weapons;

// Places of the steps of the table's frame and header row.
enum TablePlace {
  kTopRuleCursor = place::kWeaponsTable,
  kTopRule,
  kHeaderFields,
  kHeaderColumn,
  kHeaderFrame,
  kHullSizeCode,
  kHullSizeDecode,
  kHullSizeValue,
  kCtValue,
  kCtEncode,
  kCtBlank,
  kCtField,
  kHeaderEdgeCursor,
  kHeaderEdge,
  kSeparatorCursor,
  kBottomRow,
  kBottomRowLowered,
  kBottomCursor,
  kBottomRule,
  kTableStepsEnd,
};
static_assert(kTableStepsEnd <= place::kLaserGroup);

// The evasion and the computer model in the header row.
constexpr char kHeaderFormat[] = "\xB3 EVASION  +## \xB3 Batt. \xB3 S \xB3 L \xBA CM+#";
constexpr long kTopRow = 9, kHeaderRow = 10, kFirstSeparatorRow = 11, kLastRow = 24;
constexpr long kEdgeColumn = 80;
constexpr float kColumnHeadings = 9;
constexpr float kRowsAboveTable = 10;  // rows 1 to 10 stand above the first separator
constexpr float kCodeLetterFrom = 10;  // a CT value below it shows no code letter

void print_header_fields(program::Program& p, console::Console& c) {
  const float evasion = (p.computer_model - p.size_modifier) + p.ship_agility.at(program::current_record(p));
  write_fields(p, c, kHeaderFormat, {evasion, p.computer_model});
  console::statement_event_check(c, kHeaderFields);
  for (p.header_column = 1; p.header_column <= kColumnHeadings; p.header_column += 1) {
    write_fields(p, c, "\xB3## ", {p.header_column});
    console::statement_event_check(c, kHeaderColumn);
  }
  write_text(p, c, p.frame_side);
  console::statement_event_check(c, kHeaderFrame);
}

// The CT value: the hull size and half the armor, with its code letter from 10 on.
void work_out_ct_value(program::Program& p, console::Console& c) {
  p.hull_size_code = profile::profile_char(p, profile::position::kHullSize);
  console::statement_event_check(c, kHullSizeCode);
  p.code_char = p.hull_size_code;
  profile::decode_code_char(p);
  console::statement_event_check(c, kHullSizeDecode);
  p.hull_size_value = p.code_value;
  console::statement_event_check(c, kHullSizeValue);
  p.code_value = p.hull_size_value + console::integer_part(p.armor_rating / 2.0f);
  console::statement_event_check(c, kCtValue);
  profile::encode_code_char(p, c.errors);
  console::statement_event_check(c, kCtEncode);
  if (p.code_value < kCodeLetterFrom) p.code_char.assign(1, ' ');
  console::statement_event_check(c, kCtBlank);
}

void print_table_head(program::Program& p, console::Console& c) {
  place_on_screen(p, c, kTopRow, 1);
  console::statement_event_check(c, kTopRuleCursor);
  write_text(p, c, weapons_rule(RuleKind::Top), true);
  console::statement_event_check(c, kTopRule);
  print_header_fields(p, c);
  work_out_ct_value(p, c);
  write_fields(p, c, "CT##", {p.code_value});
  write_text(p, c, p.code_char);
  console::statement_event_check(c, kCtField);
  place_on_screen(p, c, kHeaderRow, kEdgeColumn);
  console::statement_event_check(c, kHeaderEdgeCursor);
  write_text(p, c, p.frame_side, true);
  console::statement_event_check(c, kHeaderEdge);
  place_on_screen(p, c, kFirstSeparatorRow, 1);
  console::statement_event_check(c, kSeparatorCursor);
  print_weapon_separator(p, c);
}

// On the screen the bottom rule covers the last separator, or follows the missile
// rows; in the document it follows the last line.
void print_bottom_rule(program::Program& p, console::Console& c) {
  p.table_bottom_row = p.weapon_rows + kRowsAboveTable;
  console::statement_event_check(c, kBottomRow);
  if (p.table_bottom_row > kLastRow) p.table_bottom_row = kLastRow;
  console::statement_event_check(c, kBottomRowLowered);
  place_on_screen(p, c, static_cast<long>(console::round_to_int64(p.table_bottom_row)), 1);
  console::statement_event_check(c, kBottomCursor);
  const RulePieces rule = weapons_rule_pieces(RuleKind::Bottom);
  write_text(p, c, rule.before);
  write_text(p, c, rule.crossing);
  write_text(p, c, rule.after);
  console::statement_event_check(c, kBottomRule);
}

}  // namespace

void print_weapons_table(program::Program& p, console::Console& c) {
  print_table_head(p, c);
  print_laser_group(p, c);
  print_energy_group(p, c);
  print_particle_group(p, c);
  print_meson_group(p, c);
  print_missile_group(p, c);
  print_bottom_rule(p, c);
}

}  // namespace card
