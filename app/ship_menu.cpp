#include "app/ship_menu.h"

#include <algorithm>

#include "app/app_places.h"
#include "card/card_writes.h"
#include "console/number_conversion.h"
#include "console/number_input.h"
#include "console/screen.h"
#include "stats/compute_stats.h"

namespace app {

namespace {

// Place numbers of the menu's steps, for the error box.
enum MenuStep {
  kClear = place::kMenu,
  kTitle,
  kEmptyLineAfterTitle,
  kSortName,
  kStats,
  kListed,
  kMenuLine,
  kEmptyLineBeforePrompt,
  kPagePrompt,
  kFinalPrompt,
  kChoice,
  kPageClear,
  kPageTitle,
  kPageEmptyLineAfterTitle,
  kEmptyLineBeforeFinalPrompt,
  kMenuStepsEnd,
};
static_assert(kMenuStepsEnd <= place::kMenuEnd);

constexpr float kNameWidth = 23;
constexpr int kLinesPerPage = 20;
constexpr float kLastMenuIndex = 1000;

// The title and an empty line, at the top of the first page or of a later one.
void write_page_head(console::Console& c, int title_place, int empty_line_place) {
  console::print_screen_item(c, " KESTRAMOND DATA CARD GENERATOR");
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, title_place);
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, empty_line_place);
}

void write_menu_line(program::Program& p, console::Console& c, std::size_t record) {
  const std::string& profile = p.ship_profile[record];
  p.menu_name = p.sort_name.substr(0, static_cast<std::size_t>(p.name_width));
  const long long skip = static_cast<long long>(p.name_width) - static_cast<long long>(p.menu_name.size());
  console::print_to_screen(c, card::field_text(c, "###. ", {p.menu_count}), false);
  console::print_screen_item(c, profile.substr(0, 3));
  console::print_screen_item(c, p.menu_name);
  console::print_screen_item(c, console::column_skip_blanks(c, skip, false));
  console::print_to_screen(c, card::field_text(c, "## ", {p.ship_tl[record]}), false);
  console::print_to_screen(c, card::field_text(c, "######,t ", {p.ship_tons[record]}), false);
  console::print_to_screen(c, card::field_text(c, "#[##", {p.stats_class, p.stats_beam}), false);
  console::print_to_screen(c, card::field_text(c, "-#", {p.stats_missile}), false);
  console::print_to_screen(c, card::field_text(c, "-#] ", {p.stats_screens}), false);
  console::print_screen_item(c, profile);
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, kMenuLine);
}

bool first_two_characters_match(const program::Program& p) {
  if (p.sort_name.size() < 2) return false;
  return static_cast<unsigned char>(p.sort_name[0]) == p.menu_first_letter &&
         static_cast<unsigned char>(p.sort_name[1]) == p.menu_second_letter;
}

// The pause after every 20th line. Returns true when the typed number ends the
// listing (a choice, or a negative number for the design).
bool page_pause(program::Program& p, console::Console& c) {
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, kEmptyLineBeforePrompt);
  p.menu_choice = console::input_keyboard(c, " Ship ", false);
  console::statement_event_check(c, kPagePrompt);
  if (p.menu_choice != 0) return true;
  console::clear_screen(c);
  console::statement_event_check(c, kPageClear);
  write_page_head(c, kPageTitle, kPageEmptyLineAfterTitle);
  return false;
}

// Tests one record for the current pass and lists it. Returns true when a page
// pause ended the listing.
bool consider_record(program::Program& p, console::Console& c) {
  const std::size_t record = program::current_record(p);
  p.sort_name = p.ship_name[record];
  console::statement_event_check(c, kSortName);
  if (!first_two_characters_match(p)) return false;
  stats::compute_stats(p, c);
  console::statement_event_check(c, kStats);
  if (p.stats_class != p.menu_class_pass) return false;
  p.menu_count = p.menu_count + 1;
  p.menu_ship_index[static_cast<std::size_t>(p.menu_count)] = p.ship_index;
  console::statement_event_check(c, kListed);
  write_menu_line(p, c, record);
  const float pages = p.menu_count / kLinesPerPage;
  if (pages != console::integer_part(pages)) return false;
  return page_pause(p, c);
}

// Every record, class by class and letter by letter. Returns true when a page pause
// ended the listing early.
bool list_ships(program::Program& p, console::Console& c) {
  for (p.menu_class_pass = 0; p.menu_class_pass <= 3; p.menu_class_pass += 1) {
    for (p.menu_first_letter = 'A'; p.menu_first_letter <= 'Z'; p.menu_first_letter += 1) {
      for (p.menu_second_letter = 'A'; p.menu_second_letter <= 'z'; p.menu_second_letter += 1) {
        for (p.ship_index = 1; p.ship_index <= p.ship_count; p.ship_index += 1) {
          if (consider_record(p, c)) return true;
        }
      }
    }
  }
  return false;
}

// The typed number, rounded half to even, names a menu line; outside 0 to 1000 it
// raises error 9 and chooses record 0.
void take_choice(program::Program& p, console::Console& c) {
  const float choice = p.menu_choice;
  if (choice >= -0.5f && choice <= kLastMenuIndex + 0.5f) {
    p.ship_index = p.menu_ship_index[static_cast<std::size_t>(console::round_to_int64(choice))];
  } else {
    console::raise_runtime_error(c.errors, console::kErrorSubscriptOutOfRange);
    p.ship_index = p.menu_ship_index[0];
  }
  console::statement_event_check(c, kChoice);
}

}  // namespace

MenuOutcome show_ship_menu(program::Program& p, console::Console& c) {
  p.name_width = kNameWidth;
  console::clear_screen(c);
  console::statement_event_check(c, kClear);
  write_page_head(c, kTitle, kEmptyLineAfterTitle);
  if (list_ships(p, c)) {
    if (p.menu_choice < 0) return MenuOutcome::DesignRequested;
  } else {
    console::print_to_screen(c, "", true);
    console::statement_event_check(c, kEmptyLineBeforeFinalPrompt);
    if (p.menu_choice == 0) p.menu_choice = console::input_keyboard(c, " Ship ", true);
    console::statement_event_check(c, kFinalPrompt);
  }
  take_choice(p, c);
  return MenuOutcome::Chosen;
}

void restart_menu(program::Program& p) {
  p.menu_count = 0;
  p.menu_choice = 0;
  std::fill(p.menu_ship_index.begin(), p.menu_ship_index.end(), 0.0f);
}

}  // namespace app
