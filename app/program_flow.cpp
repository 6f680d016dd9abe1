#include "app/program_flow.h"

#include <new>

#include "app/app_places.h"
#include "app/ship_menu.h"
#include "card/card_writes.h"
#include "card/data_card.h"
#include "console/cp437.h"
#include "console/files.h"
#include "console/keyboard.h"
#include "console/screen.h"
#include "ships/ship_design.h"
#include "ships/ship_loader.h"

namespace app {

namespace {

// Place numbers of the steps of the road, for the error box.
enum RoadStep {
  kPalette = place::kRoad,
  kTextColours,
  kCloseFirstFile,
  kFrames,
  kShipCount,
  kShipArrays,
  kClearForDesign,
  kEmptyLineBeforeQuestion,
  kOutputQuestion,
  kScreenOutputChosen,
  kOpenScreenDevice,
  kClearForCard,
  kKeyRead,
  kCloseForDocument,
  kDocumentChosen,
  kOpenDocument,
  kRestartAfterDocument,
  kRoadStepsEnd,
};
static_assert(kRoadStepsEnd <= place::kRoadEnd);

constexpr int kLastShipIndex = 1000;

// The key as key_answer holds it: a single letter a to z upper-cased, anything else
// (two-character keys included) unchanged.
std::string key_as_answer(const std::string& key) {
  return key.size() == 1 ? console::upper_cased(key) : key;
}

std::string document_name(const program::Program& p) {
  return p.ship_name.at(program::current_record(p)) + ".DOC";
}

void open_document(program::Program& p, console::Console& c) {
  p.output_channel = 1;
  console::statement_event_check(c, kDocumentChosen);
  console::open_file(c, document_name(p), console::FileMode::Output, 1);
  console::statement_event_check(c, kOpenDocument);
}

// The design file first; the menu when it gives no ship. A design asked for at the
// menu that gives no ship shows the menu again from its first page.
void choose_ship(program::Program& p, console::Console& c) {
  if (ships::design_ship_from_file(p, c) == ships::DesignOutcome::Designed) return;
  while (show_ship_menu(p, c) == MenuOutcome::DesignRequested) {
    if (ships::design_ship_from_file(p, c) == ships::DesignOutcome::Designed) return;
    restart_menu(p);
  }
}

}  // namespace

void init_program(program::Program& p, console::Console& c) {
  console::set_palette_entry(c, 1, console::make_argb_colour(255, 255, 255));
  console::statement_event_check(c, kPalette);
  console::set_text_colours(c, 0, 1);
  console::statement_event_check(c, kTextColours);
  console::close_file(c, 1);
  console::statement_event_check(c, kCloseFirstFile);
  card::build_frame_strings(p);
  console::statement_event_check(c, kFrames);
  p.ship_count = kLastShipIndex;
  console::statement_event_check(c, kShipCount);
  try {
    program::create_ship_arrays(p);
  } catch (const std::bad_alloc&) {
    console::raise_fatal_error(c, console::FatalCause::ShipArraysOutOfMemory);
  }
  console::statement_event_check(c, kShipArrays);
}

void choose_output(program::Program& p, console::Console& c) {
  if (p.output_channel != 2) {
    console::print_to_screen(c, "", true);
    console::statement_event_check(c, kEmptyLineBeforeQuestion);
    console::print_screen_item(c, " (S)creen Output or (D)ocument Output ?");
    console::print_to_screen(c, "", true);
    console::statement_event_check(c, kOutputQuestion);
    if (!wait_key_command(p, c)) {
      p.output_channel = 2;
      console::statement_event_check(c, kScreenOutputChosen);
      console::open_file(c, "SCRN:", console::FileMode::Output, 2);
      console::statement_event_check(c, kOpenScreenDevice);
    }
  }
  console::clear_screen(c);
  console::statement_event_check(c, kClearForCard);
}

bool wait_key_command(program::Program& p, console::Console& c) {
  for (;;) {
    p.key_answer = key_as_answer(console::next_key(c, console::InputWait::KeyCommand));
    console::statement_event_check(c, kKeyRead);
    console::close_file(c, 1);
    console::statement_event_check(c, kCloseForDocument);
    if (p.key_answer == "T") {
      card::print_damage_section(p, c);
      continue;
    }
    if (p.key_answer == "D") {
      open_document(p, c);
      return true;
    }
    if (p.key_answer == "Q") console::end_program(c);
    if (p.key_answer == "R") restart_program();
    return false;
  }
}

NextCard finish_card(program::Program& p, console::Console& c) {
  if (p.output_channel == 1) {
    card::print_damage_section(p, c);
    console::statement_event_check(c, kRestartAfterDocument);
    restart_program();
  }
  if (wait_key_command(p, c)) return NextCard::Document;
  if (p.key_answer == " ") restart_program();
  return NextCard::Again;
}

void restart_program() { throw RestartRequest{}; }

void reset_console_for_restart(console::Console& c) {
  c.errors = {};
  c.page.restore_start_palette();
  c.page.foreground = 7;
  c.page.background = 0;
  console::close_all_files(c);
}

void run_road(program::Program& p, console::Console& c, const std::string& ship_list) {
  init_program(p, c);
  ships::load_ship_list(p, c, ship_list);
  console::clear_screen(c);
  console::statement_event_check(c, kClearForDesign);
  choose_ship(p, c);
  choose_output(p, c);
  for (;;) {
    card::print_data_card(p, c);
    if (finish_card(p, c) == NextCard::Document) {
      console::clear_screen(c);
      console::statement_event_check(c, kClearForCard);
    } else {
      choose_output(p, c);
    }
  }
}

}  // namespace app
