#include "card/defence_line.h"

#include <cstdint>
#include <string>

#include "card/armor_bar.h"
#include "card/card_places.h"
#include "card/card_writes.h"
#include "console/number_conversion.h"
#include "console/number_text.h"
#include "console/runtime_error.h"
#include "profile/profile_access.h"

namespace card {

namespace {

namespace pos = profile::position;

// Place numbers of the defence line's steps, for the error box.
enum DefenceStep {
  kArmorBar = place::kDefenceLine,
  kArmorCell,
  kComputerJoin,
  kArmorJoin,
  kMesPiece,
  kNudPiece,
  kBlgPiece,
  kSacPiece,
  kRepPiece,
  kDefenceHeading,
  kDefencePads,
  kDefenceText,
  kRightSide,
  kDefenceStepsEnd,
};
static_assert(kDefenceStepsEnd <= place::kWeaponsTable);

constexpr float kDefenceWidth = 55;
constexpr float kArmorBarWidth = 7;

void step(console::Console& c, DefenceStep place) { console::statement_event_check(c, place); }

void write_armor_cell(program::Program& p, console::Console& c) {
  if (!card_on_screen(p)) {
    write_fields(p, c, " ARM## \xB3", {p.armor_rating});
  } else if (p.armor_rating > 0) {
    write_text(p, c, p.armor_bar);
    write_skip(p, c, kArmorBarWidth - static_cast<float>(p.armor_bar.size()));
    write_text(p, c, "\xB3");
  } else {
    write_text(p, c, "   -   \xB3");
  }
  step(c, kArmorCell);
}

// A rated defence: its label and rating, when the rating is above 0.
float add_rated(program::Program& p, int position, std::string& code, const char* label) {
  code = profile::profile_char(p, position);
  const float rating = profile::decode_char(p, code);
  if (rating > 0) p.card_line += label + console::number_to_text(rating);
  return rating;
}

// A defence in batteries: the count at the hull's factor, " x ", its name and rating.
void add_batteries(program::Program& p, console::Console& c, float batteries, float rating,
                   const char* name) {
  if (rating <= 0) return;
  const float count = batteries * p.hull_factor;
  const std::int16_t rounded = console::round_to_int16(c.errors, static_cast<double>(count));
  p.card_line += "  " + console::number_to_text_int16(rounded) + " x " + name +
                 console::number_to_text(rating);
}

void add_sac(program::Program& p, console::Console& c) {
  p.sac_code = profile::profile_char(p, pos::kSac);
  p.sac_rating = profile::decode_char(p, p.sac_code);
  p.sac_batt = profile::decode_sac_batteries(p);
  add_batteries(p, c, p.sac_batt, p.sac_rating, "SaC");
}

void add_rep(program::Program& p, console::Console& c) {
  p.rep_code = profile::profile_char(p, pos::kRep);
  p.rep_rating = profile::decode_char(p, p.rep_code);
  p.battery_char = profile::battery_char_at(p, pos::kRep);
  p.rep_batt = profile::decode_char(p, p.battery_char);
  add_batteries(p, c, p.rep_batt, p.rep_rating, "REP");
}

void write_defence_text(program::Program& p, console::Console& c) {
  const float length = static_cast<float>(p.card_line.size());
  p.pad_left = console::integer_part((kDefenceWidth - length) * 0.5f);
  p.pad_right = kDefenceWidth - p.pad_left - length;
  step(c, kDefencePads);
  place_on_screen(p, c, 8, 25);
  write_skip(p, c, p.pad_left);
  write_text(p, c, p.card_line);
  write_skip(p, c, p.pad_right);
  step(c, kDefenceText);
}

void write_cell_join(program::Program& p, console::Console& c, int column, DefenceStep place) {
  if (!card_on_screen(p)) return;
  place_on_screen(p, c, 7, column);
  write_text(p, c, "\xC2");  // ┬
  step(c, place);
}

}  // namespace

void build_defence_text(program::Program& p, console::Console& c) {
  p.card_line.clear();
  p.mes_rating = add_rated(p, pos::kMes, p.mes_code, "  MES =");
  step(c, kMesPiece);
  p.nud_rating = add_rated(p, pos::kNud, p.nud_code, "  NuD =");
  step(c, kNudPiece);
  p.blg_rating = add_rated(p, pos::kBlg, p.blg_code, "  BlG =");
  step(c, kBlgPiece);
  add_sac(p, c);
  step(c, kSacPiece);
  add_rep(p, c);
  step(c, kRepPiece);
  if (!p.card_line.empty()) p.card_line = "DEFENCE:" + p.card_line;
  step(c, kDefenceHeading);
}

void print_defence_line(program::Program& p, console::Console& c) {
  make_armor_bar(p);
  step(c, kArmorBar);
  write_armor_cell(p, c);
  write_cell_join(p, c, 16, kComputerJoin);
  write_cell_join(p, c, 24, kArmorJoin);
  build_defence_text(p, c);
  write_defence_text(p, c);
  place_on_screen(p, c, 8, 80);
  write_text(p, c, p.frame_side, true);
  step(c, kRightSide);
}

}  // namespace card
