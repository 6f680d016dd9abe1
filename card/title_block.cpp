#include "card/title_block.h"

#include <string>

#include "card/section_output.h"
#include "console/number_conversion.h"

namespace card {

namespace {

enum Place {
  kCardTitle = 700,
  kTitleIndent,
  kTitleIndentHalved,
  kEmptyLineBeforeTitle,
  kTitleLine,
  kEmptyLineAfterTitle,
  kProfileIndent,
  kProfileLine,
  kBatteryLine,
  kEmptyLineAfterBatteries,
};

constexpr float kCentredWidth = 79;

// The blanks before a text of `length` characters: half of what the text leaves of the
// width, rounded down.
float centring_indent(std::size_t length) {
  return console::integer_part((kCentredWidth - static_cast<float>(length)) / 2.0f);
}

void write_empty_line(ships::Program& p, console::Console& c, int place) {
  write_card_items(p, c, {}, true);
  console::statement_event_check(c, place);
}

void write_centred(ships::Program& p, console::Console& c, const std::string& text, int place) {
  write_card_items(p, c, {card_blanks(c, p.centre_indent), text}, true);
  console::statement_event_check(c, place);
}

}  // namespace

void print_card_title(ships::Program& p, console::Console& c) {
  p.card_title = current_ship_text(p, p.ship_name) + " - " + p.type_text;
  console::statement_event_check(c, kCardTitle);
  p.centre_indent = kCentredWidth - static_cast<float>(p.card_title.size());
  console::statement_event_check(c, kTitleIndent);
  p.centre_indent = console::integer_part(p.centre_indent / 2.0f);
  console::statement_event_check(c, kTitleIndentHalved);
  write_empty_line(p, c, kEmptyLineBeforeTitle);
  write_centred(p, c, p.card_title, kTitleLine);
  write_empty_line(p, c, kEmptyLineAfterTitle);
  const std::string profile = current_ship_text(p, p.ship_profile);
  p.centre_indent = centring_indent(profile.size());
  console::statement_event_check(c, kProfileIndent);
  write_centred(p, c, profile, kProfileLine);
  write_centred(p, c, current_ship_text(p, p.ship_batteries), kBatteryLine);
  write_empty_line(p, c, kEmptyLineAfterBatteries);
}

}  // namespace card
