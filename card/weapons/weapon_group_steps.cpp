#include "card/weapons/weapon_group_steps.h"

#include "card/card_writes.h"
#include "card/weapons/weapon_row_pieces.h"
#include "console/number_parse.h"
#include "profile/code_digit.h"
#include "profile/profile_access.h"

namespace card::weapons {

namespace {

constexpr float kFirstFactorColumn = 1, kLastFactorColumn = 9;
constexpr float kLargestPlainRating = 10;  // a rating above it names a spinal weapon

}  // namespace

void read_weapon_rating(program::Program& p, console::Console& c, int position, std::string& code,
                        float& rating, int first_place) {
  code = profile::profile_char(p, position);
  console::statement_event_check(c, first_place);
  rating = 0;
  console::statement_event_check(c, first_place + 1);
  p.code_char = code;
  profile::decode_code_char(p);
  console::statement_event_check(c, first_place + 2);
  rating = p.code_value;
  console::statement_event_check(c, first_place + 3);
}

void decode_weapon_batteries(program::Program& p, console::Console& c, int column, int place) {
  p.code_char = profile::battery_char_at(p, column);
  profile::decode_code_char(p);
  console::statement_event_check(c, place);
}

void set_weapon_row(program::Program& p, console::Console& c, const WeaponRow& row, int first_place) {
  p.weapon_label = row.label + row.code;
  console::statement_event_check(c, first_place);
  p.weapon_batt = p.code_value * p.hull_factor;
  console::statement_event_check(c, first_place + 1);
  p.weapon_base = row.group_base - p.computer_model;
  console::statement_event_check(c, first_place + 2);
  p.s_value = p.weapon_base + row.s_step;
  console::statement_event_check(c, first_place + 3);
  p.l_value = p.weapon_base + row.l_step;
  console::statement_event_check(c, first_place + 4);
}

void print_offset_cells(program::Program& p, console::Console& c, float after_model, int place) {
  for (p.factor_column = kFirstFactorColumn; p.factor_column <= kLastFactorColumn; p.factor_column += 1) {
    p.cell_value = ((p.row_offset + p.factor_column) - p.computer_model) - after_model;
    console::statement_event_check(c, place);
    print_factor_cell(p, c);
  }
}

void print_meson_cells(program::Program& p, console::Console& c, MesonRow row, int place) {
  for (p.meson_column = kFirstFactorColumn; p.meson_column <= kLastFactorColumn; p.meson_column += 1) {
    p.digit_text = meson_digits(row, p.meson_column);
    console::statement_event_check(c, place);
    const std::string digits = meson_digit_pair(p.digit_text, p.meson_rating);
    const long double value = console::parse_number_text(c.errors, digits);
    p.cell_value = static_cast<float>(value - static_cast<long double>(p.computer_model));
    console::statement_event_check(c, place + 1);
    print_factor_cell(p, c);
  }
}

void print_spinal_multiplier(program::Program& p, console::Console& c, float rating, int place) {
  if (rating > kLargestPlainRating) {
    write_fields(p, c, " x## \xB3", {rating - kLargestPlainRating}, true);
  } else {
    write_text(p, c, "  x1 \xB3", true);
  }
  console::statement_event_check(c, place);
}

void print_empty_multiplier(program::Program& p, console::Console& c, bool line_end, int place) {
  write_text(p, c, "     ");
  write_text(p, c, p.frame_side, line_end);
  console::statement_event_check(c, place);
}

}  // namespace card::weapons
