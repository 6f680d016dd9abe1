#include "card/weapons/weapon_row_pieces.h"

#include "card/card_places.h"
#include "card/card_writes.h"
#include "card/weapons/weapon_rules.h"

namespace card::weapons {

namespace {

// Places of the steps of the row pieces.
enum RowPiecePlace {
  kHeadLabel = place::kRowPieces,
  kHeadCountAndS,
  kHeadL,
  kHeadDoubleLine,
  kFactorCell,
  kSeparator,
  kRowPieceStepsEnd,
};
static_assert(kRowPieceStepsEnd <= place::kDamageResults);

constexpr float kLowestShownL = -20;   // below it the L value shows as " X"
constexpr float kLowestNarrowCell = -10;  // from it down a cell takes three positions

}  // namespace

void print_weapon_row_head(program::Program& p, console::Console& c) {
  write_text(p, c, p.frame_side);
  write_text(p, c, p.weapon_label);
  write_text(p, c, " ");
  console::statement_event_check(c, kHeadLabel);
  write_fields(p, c, "\xB3####   \xB3## ", {p.weapon_batt, p.s_value});
  console::statement_event_check(c, kHeadCountAndS);
  if (p.l_value < kLowestShownL) {
    write_text(p, c, "\xB3 X ");
  } else {
    write_fields(p, c, "\xB3## ", {p.l_value});
  }
  console::statement_event_check(c, kHeadL);
  write_text(p, c, std::string(1, kDoubleBar));
  console::statement_event_check(c, kHeadDoubleLine);
}

void print_factor_cell(program::Program& p, console::Console& c) {
  if (p.cell_value > kLowestNarrowCell) {
    write_fields(p, c, "## \xB3", {p.cell_value});
  } else {
    write_fields(p, c, "###\xB3", {p.cell_value});
  }
  console::statement_event_check(c, kFactorCell);
}

void print_weapon_separator(program::Program& p, console::Console& c) {
  const RulePieces rule = weapons_rule_pieces(RuleKind::Separator);
  write_text(p, c, rule.before);
  write_text(p, c, rule.crossing);
  write_text(p, c, rule.after, true);
  console::statement_event_check(c, kSeparator);
}

}  // namespace card::weapons
