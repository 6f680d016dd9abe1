#include "card/crew_text.h"

#include "card/card_places.h"
#include "card/card_writes.h"
#include "card/header_texts.h"
#include "console/number_conversion.h"
#include "console/number_text.h"
#include "console/runtime_error.h"

namespace card {

namespace {

// Place numbers of the crew steps, for the error box.
enum CrewStep {
  kSections = place::kCrew,
  kAtLeastOneSection,
  kPerSection,
  kAtLeastOnePerSection,
  kCrewText,
  kCrewStepsEnd,
};
static_assert(kCrewStepsEnd <= place::kDefenceLine);

std::string text_of(float x) { return console::number_to_text(x); }

void divide_crew(program::Program& p, console::Console& c, std::size_t record) {
  const float thousands = p.ship_tons.at(record) / 1000;
  p.crew_sections = static_cast<float>(console::integer_part(static_cast<double>(thousands) + 0.9));
  console::statement_event_check(c, kSections);
  if (p.crew_sections < 1) p.crew_sections = 1;
  console::statement_event_check(c, kAtLeastOneSection);
  const float per_section = p.ship_crew.at(record) / p.crew_sections;
  p.crew_per_section = console::round_to_int16(c.errors, static_cast<double>(per_section));
  console::statement_event_check(c, kPerSection);
  if (p.crew_per_section < 1) p.crew_per_section = 1;
  console::statement_event_check(c, kAtLeastOnePerSection);
}

void add_if_above_zero(std::string& line, const char* label, float value, const char* unit = "") {
  if (value > 0) line += label + text_of(value) + unit;
}

}  // namespace

void build_crew_text(program::Program& p, console::Console& c) {
  const std::size_t record = program::current_record(p);
  divide_crew(p, c, record);
  if (p.crew_sections > 1) {
    p.card_line = text_of(p.crew_sections) + " Crew Section" + text_of(p.crew_per_section);
  } else {
    p.card_line = "Crew" + text_of(p.ship_crew.at(record));
  }
  add_if_above_zero(p.card_line, ", L-Berths", p.ship_l_berths.at(record));
  add_if_above_zero(p.card_line, ", Troops", p.ship_troops.at(record));
  p.card_line += ", Fuel" + tonnage_text(p.ship_fuel.at(record));
  if (!card_on_screen(p)) {
    add_if_above_zero(p.card_line, ", Cargo", p.ship_cargo.at(record), "t");
    add_if_above_zero(p.card_line, ", Pass.", p.ship_passengers.at(record));
  }
  console::statement_event_check(c, kCrewText);
}

}  // namespace card
