#include "ships/ship_loader.h"

#include "console/list_reader.h"
#include "console/number_text.h"
#include "console/runtime_error.h"
#include "console/screen.h"
#include "ships/ship_places.h"
#include "ships/name_tags.h"

namespace ships {

using program::Program;

namespace {

// Place numbers of the loader's steps, for the error box.
enum LoadStep {
  kEchoNumber = place::kListLoader,
  kReadName,
  kEchoName,
  kSentinel,
  kReadType,
  kSpeciesTag,
  kReadProfileAndTons,
  kReadBatteriesCrewTl,
  kReadCargoAndCrewValues,
  kReadCodeValues,
  kLoadStepsEnd,
};
static_assert(kLoadStepsEnd <= place::kListLoaderEnd);

// One read step of several items: once an item fails, the rest of the step is skipped
// and their fields keep what they held.
class ReadStep {
 public:
  ReadStep(Program& p, console::Console& c, const std::string& list) : p_(p), c_(c), list_(list) {}

  void text(std::string& field) {
    if (!console::error_pending(c_.errors)) {
      field = console::read_list_text(c_.errors, list_, p_.list_read_position);
    }
  }
  void number(float& field) {
    if (!console::error_pending(c_.errors)) {
      field = static_cast<float>(console::read_list_number(c_.errors, list_, p_.list_read_position));
    }
  }

 private:
  Program& p_;
  console::Console& c_;
  const std::string& list_;
};

void echo_record_number(Program& p, console::Console& c) {
  console::print_screen_item(c, console::number_to_text(p.ship_index) + " ");
  console::statement_event_check(c, kEchoNumber);
}

void echo_name(console::Console& c, const std::string& name) {
  console::print_screen_item(c, name);
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, kEchoName);
}

void read_record_fields(Program& p, console::Console& c, const std::string& list, std::size_t i) {
  ReadStep read(p, c, list);
  read.text(p.ship_profile[i]);
  read.number(p.ship_aux_value[i]);
  read.number(p.ship_tons[i]);
  console::statement_event_check(c, kReadProfileAndTons);
  read.text(p.ship_batteries[i]);
  read.number(p.ship_crew[i]);
  read.number(p.ship_tl[i]);
  console::statement_event_check(c, kReadBatteriesCrewTl);
  for (float* field : {&p.ship_passengers[i], &p.ship_l_berths[i], &p.ship_cargo[i], &p.ship_fuel[i],
                       &p.ship_ep[i], &p.ship_agility[i], &p.ship_troops[i]}) {
    read.number(*field);
  }
  console::statement_event_check(c, kReadCargoAndCrewValues);
  read.number(p.ship_code_x[i]);
  read.number(p.ship_code_y[i]);
  read.number(p.ship_code_z[i]);
  console::statement_event_check(c, kReadCodeValues);
}

}  // namespace

void load_ship_list(Program& p, console::Console& c, const std::string& list) {
  const float bound = p.ship_count;
  for (p.ship_index = 1; p.ship_index <= bound; p.ship_index += 1) {
    const std::size_t i = program::current_record(p);
    echo_record_number(p, c);
    ReadStep(p, c, list).text(p.ship_name[i]);
    console::statement_event_check(c, kReadName);
    echo_name(c, p.ship_name[i]);
    if (p.ship_name[i] == "XXX") {
      p.ship_count = p.ship_index - 1;
      console::statement_event_check(c, kSentinel);
      return;
    }
    ReadStep(p, c, list).text(p.ship_type[i]);
    console::statement_event_check(c, kReadType);
    p.ship_name[i] = tagged_name(p.ship_name[i], p.ship_type[i]);
    console::statement_event_check(c, kSpeciesTag);
    read_record_fields(p, c, list, i);
  }
}

}  // namespace ships
