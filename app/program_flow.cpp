#include "app/program_flow.h"

#include <new>

#include "app/run_program.h"
#include "app/ship_menu.h"
#include "card/data_card.h"
#include "console/files.h"
#include "console/keyboard.h"
#include "console/number_conversion.h"
#include "console/screen.h"
#include "ships/ship_arrays.h"
#include "ships/ship_design.h"
#include "ships/ship_list.h"
#include "ships/ship_loader.h"

namespace app {

namespace {

// Place numbers of the steps of the road, for the error box.
enum RoadStep {
  kPalette = 1,
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
};

constexpr int kLastShipIndex = 1000;

std::string repeat_line_character(unsigned char c, int count) { return std::string(count, static_cast<char>(c)); }

void build_frames(ships::Program& p) {
  p.frame_top = "\xDA" + repeat_line_character(0xC4, 78) + "\xBF";
  p.frame_rule = "\xC3" + repeat_line_character(0xC4, 78) + "\xB4";
  p.frame_side = "\xB3";
}

// The key as key_answer holds it: a single letter a to z upper-cased, anything else
// (two-character keys included) unchanged.
std::string upper_cased(const std::string& key) {
  if (key.size() == 1 && key[0] >= 'a' && key[0] <= 'z') return std::string(1, static_cast<char>(key[0] - 32));
  return key;
}

std::string document_name(const ships::Program& p) {
  const auto i = static_cast<std::size_t>(console::round_to_int64(p.ship_index));
  return p.ship_name.at(i) + ".DOC";
}

void open_document(ships::Program& p, console::Console& c) {
  p.output_channel = 1;
  console::statement_event_check(c, kDocumentChosen);
  console::open_file(c, document_name(p), console::FileMode::Output, 1);
  console::statement_event_check(c, kOpenDocument);
}

void print_card(ships::Program& p, console::Console& c) {
  card::print_card_header(p, c);
  card::print_defence_line(p, c);
  card::print_weapons_table(p, c);
}

// The design file first; the menu when it gives no ship. A design asked for at the
// menu that gives no ship shows the menu again from its first page.
void choose_ship(ships::Program& p, console::Console& c) {
  if (ships::design_ship_from_file(p, c) == ships::DesignOutcome::Designed) return;
  while (show_ship_menu(p, c) == MenuOutcome::DesignRequested) {
    if (ships::design_ship_from_file(p, c) == ships::DesignOutcome::Designed) return;
    restart_menu(p);
  }
}

}  // namespace

void init_program(ships::Program& p, console::Console& c) {
  console::set_palette_entry(c, 1, console::make_argb_colour(255, 255, 255));
  console::statement_event_check(c, kPalette);
  console::set_text_colours(c, 0, 1);
  console::statement_event_check(c, kTextColours);
  console::close_file(c, 1);
  console::statement_event_check(c, kCloseFirstFile);
  build_frames(p);
  console::statement_event_check(c, kFrames);
  p.ship_count = kLastShipIndex;
  console::statement_event_check(c, kShipCount);
  try {
    ships::create_ship_arrays(p);
  } catch (const std::bad_alloc&) {
    console::raise_fatal_error(c, console::FatalCause::ShipArraysOutOfMemory);
  }
  console::statement_event_check(c, kShipArrays);
}

void choose_output(ships::Program& p, console::Console& c) {
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

bool wait_key_command(ships::Program& p, console::Console& c) {
  for (;;) {
    p.key_answer = upper_cased(console::next_key(c, console::InputWait::KeyCommand));
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
    if (p.key_answer == "R") restart_program(p, c);
    return false;
  }
}

NextCard finish_card(ships::Program& p, console::Console& c) {
  if (p.output_channel == 1) {
    card::print_damage_section(p, c);
    console::statement_event_check(c, kRestartAfterDocument);
    restart_program(p, c);
  }
  if (wait_key_command(p, c)) return NextCard::Document;
  if (p.key_answer == " ") restart_program(p, c);
  return NextCard::Again;
}

void restart_program(ships::Program&, console::Console&) { throw RestartRequest{}; }

void reset_console_for_restart(console::Console& c) {
  c.errors = {};
  c.page.restore_start_palette();
  c.page.foreground = 7;
  c.page.background = 0;
  console::close_all_files(c);
}

void run_road(ships::Program& p, console::Console& c, const std::string& ship_list) {
  init_program(p, c);
  ships::load_ship_list(p, c, ship_list);
  console::clear_screen(c);
  console::statement_event_check(c, kClearForDesign);
  choose_ship(p, c);
  choose_output(p, c);
  for (;;) {
    print_card(p, c);
    if (finish_card(p, c) == NextCard::Document) {
      console::clear_screen(c);
      console::statement_event_check(c, kClearForCard);
    } else {
      choose_output(p, c);
    }
  }
}

void run_program(console::Console& c) {
  ships::Program p;
  for (;;) {
    try {
      run_road(p, c, ships::SHIP_LIST);
    } catch (const RestartRequest&) {
      reset_console_for_restart(c);
      p = ships::Program{};
    } catch (const console::ProgramHalt&) {
      return;
    }
  }
}

}  // namespace app
