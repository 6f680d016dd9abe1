// Helpers for the tests of the card's closing sections (the damage box, the title,
// movement and counter-value blocks): the card bench with one ship of the test's own
// and the values the card header would leave for it, set by hand.
#pragma once

#include <string>
#include <vector>

#include "card/card_test_support.h"

namespace card {

// The ship of a test and the values the card header leaves for it.
struct ClosingShip {
  std::string name = "Harrowgate Lark";
  std::string type_text = "Escort Frigate";
  std::string profile = "FE-D3244C3-410002-5030A";
  std::string batteries = "            2   1 2 1 5";
  float tons = 2400;
  float agility = 3;
  float armor_rating = 4, computer_fib = 1, jdrive_rating = 2, mdrive_rating = 4;
};

struct ClosingBench : CardBench {
  explicit ClosingBench(const ClosingShip& ship = {}) { set_ship(ship); }

  void set_ship(const ClosingShip& s) {
    ShipRecord record;
    record.name = s.name;
    record.profile = s.profile;
    record.batteries = s.batteries;
    record.tons = s.tons;
    record.agility = s.agility;
    put(record);
    p.type_text = s.type_text;
    p.armor_rating = s.armor_rating;
    p.computer_fib = s.computer_fib;
    p.jdrive_rating = s.jdrive_rating;
    p.mdrive_rating = s.mdrive_rating;
  }

  // Screen row r without the blanks at its end.
  std::string trimmed_row(int r) const { return console::page_text_row(c.page, r); }
};

// Lines as the document holds them (shown as UTF-8), each ended by CR LF.
inline std::string with_line_ends(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace card
