#include "card/title_block.h"

#include <cstddef>
#include <string>

#include "card/card_places.h"
#include "card/card_writes.h"
#include "console/number_conversion.h"

namespace card {

namespace {

enum Place {
  kCardTitle = place::kTitleBlock,
  kTitleIndent,
  kTitleIndentHalved,
  kEmptyLineBeforeTitle,
  kTitleLine,
  kEmptyLineAfterTitle,
  kProfileIndent,
  kProfileLine,
  kBatteryLine,
  kEmptyLineAfterBatteries,
  kTitleStepsEnd,
};
static_assert(kTitleStepsEnd <= place::kMovementBlock);

constexpr float kCentredWidth = 79;

// The blanks before a text of `length` characters: half of what the text leaves of the
// width, rounded down.
float centring_indent(std::size_t length) {
  return console::integer_part((kCentredWidth - static_cast<float>(length)) / 2.0f);
}

void write_empty_line(program::Program& p, console::Console& c, int place) {
  write_text(p, c, "", true);
  console::statement_event_check(c, place);
}

void write_centred(program::Program& p, console::Console& c, const std::string& text, int place) {
  write_skip(p, c, p.centre_indent);
  write_text(p, c, text, true);
  console::statement_event_check(c, place);
}

}  // namespace

void print_card_title(program::Program& p, console::Console& c) {
  p.card_title = p.ship_name.at(program::current_record(p)) + " - " + p.type_text;
  console::statement_event_check(c, kCardTitle);
  p.centre_indent = kCentredWidth - static_cast<float>(p.card_title.size());
  console::statement_event_check(c, kTitleIndent);
  p.centre_indent = console::integer_part(p.centre_indent / 2.0f);
  console::statement_event_check(c, kTitleIndentHalved);
  write_empty_line(p, c, kEmptyLineBeforeTitle);
  write_centred(p, c, p.card_title, kTitleLine);
  write_empty_line(p, c, kEmptyLineAfterTitle);
  const std::size_t record = program::current_record(p);
  p.centre_indent = centring_indent(p.ship_profile.at(record).size());
  console::statement_event_check(c, kProfileIndent);
  write_centred(p, c, p.ship_profile.at(record), kProfileLine);
  write_centred(p, c, p.ship_batteries.at(record), kBatteryLine);
  write_empty_line(p, c, kEmptyLineAfterBatteries);
}

}  // namespace card
