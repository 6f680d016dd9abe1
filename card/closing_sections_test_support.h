// Helpers for tests of the card's closing sections (damage box, title, movement and
// counter-value blocks): a program with its ship arrays and one ship, a console on
// the scripted host whose card output is the screen device or a document file in a
// temporary folder, and the rows and bytes the sections leave.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "card/cp437_literal.h"
#include "console/files.h"
#include "console/scripted_host.h"
#include "console/screen.h"
#include "ships/program.h"

namespace card::testing {

constexpr std::size_t kShipEntries = 1001;
constexpr int kShip = 7;

// The ship of a test and the values the card header leaves for it.
struct TestShip {
  std::string name = "Harrowgate Lark";
  std::string type_text = "Escort Frigate";
  std::string profile = "FE-D3244C3-410002-5030A";
  std::string batteries = "            2   1 2 1 5";
  float tons = 2400;
  float agility = 3;
  float armor_rating = 4, computer_fib = 1, jdrive_rating = 2, mdrive_rating = 4;
};

class CardRun {
 public:
  explicit CardRun(const TestShip& ship = {}) {
    host.attach(console);
    make_ship_arrays();
    set_ship(ship);
  }
  ~CardRun() {
    console::close_all_files(console);
    if (folder_.empty()) return;
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

  void set_ship(const TestShip& s) {
    program.ship_name[kShip] = s.name;
    program.ship_profile[kShip] = s.profile;
    program.ship_batteries[kShip] = s.batteries;
    program.ship_tons[kShip] = s.tons;
    program.ship_agility[kShip] = s.agility;
    program.ship_index = kShip;
    program.type_text = s.type_text;
    program.armor_rating = s.armor_rating;
    program.computer_fib = s.computer_fib;
    program.jdrive_rating = s.jdrive_rating;
    program.mdrive_rating = s.mdrive_rating;
  }

  // The screen card: file 2 on the screen device, the page in the card's colours.
  void use_screen() {
    program.output_channel = 2;
    console::open_file(console, "SCRN:", console::FileMode::Output, 2);
    console::set_text_colours(console, 0, 1);
  }

  // The document card: file 1 on a fresh file in a temporary folder, which is the
  // current folder until the end of the test (the program names files without one).
  void use_document() {
    std::string pattern = (std::filesystem::temp_directory_path() / "closing_sections_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    program.output_channel = 1;
    console::open_file(console, kDocumentName, console::FileMode::Output, 1);
    ASSERT_EQ(console.errors.pending, 0);
  }

  // The document's bytes after it is closed.
  std::string document_bytes() {
    console::close_file(console, 1);
    std::ifstream in(document_path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Screen row r (1 to 25) as UTF-8 without the blanks at its end.
  std::string row(int r) const {
    std::string line = console::page_text_line(console.page, r);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
  }

  console::ScriptedHost host;
  console::Console console{host};
  ships::Program program;

 private:
  void make_ship_arrays() {
    for (auto* texts : {&program.ship_name, &program.ship_type, &program.ship_profile,
                        &program.ship_batteries}) {
      texts->assign(kShipEntries, {});
    }
    for (auto* numbers : {&program.ship_tons, &program.ship_agility, &program.ship_code_x,
                          &program.ship_code_y, &program.ship_code_z}) {
      numbers->assign(kShipEntries, 0.0f);
    }
  }
  static constexpr const char* kDocumentName = "Harrowgate Lark.DOC";
  std::filesystem::path document_path() const { return folder_ / kDocumentName; }

  std::filesystem::path folder_, previous_;
};

// Lines written in the test as UTF-8, as the document's code page 437 bytes, each
// ended by CR LF.
inline std::string document_lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += cp437_literal(line) + "\r\n";
  return bytes;
}

inline std::string blanks(std::size_t n) { return std::string(n, ' '); }

}  // namespace card::testing
