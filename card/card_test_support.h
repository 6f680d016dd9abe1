// Helpers for the tests of the card: a program with its ship arrays and frame strings,
// one ship put into a record from a record value, the card's output opened on the screen device
// or as a document in a folder of the test's own, and the results read back: screen
// rows as UTF-8 and the document's lines.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "card/card_writes.h"
#include "console/cp437.h"
#include "console/files.h"
#include "console/screen.h"
#include "console/working_folder_test_support.h"
#include "console/scripted_host.h"
#include "program/program.h"
#include "program/ship_record_test_support.h"

namespace card {

using program::ShipRecord;

inline std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// `n` times a character given in UTF-8 ("─").
inline std::string times(int n, const std::string& character) {
  std::string s;
  for (int i = 0; i < n; ++i) s += character;
  return s;
}

// A program and a console for one card. A test may hold several.
struct CardBench {
  static constexpr std::size_t kRecord = 7;

  CardBench() {
    host.attach(c);
    build_frame_strings(p);
    p.ship_index = kRecord;
    p.computer_count = 1;  // as the ship menu leaves it
  }

  CardBench(const CardBench&) = delete;
  CardBench& operator=(const CardBench&) = delete;

  ~CardBench() {
    c.errors.pending = 0;
    console::close_all_files(c);
  }

  // The ship of the card, into record kRecord.
  void put(const ShipRecord& s) { program::put_ship(p, kRecord, s); }

  // The output the road opens for a screen card, on a page just cleared.
  void on_screen() {
    p.output_channel = 2;
    console::open_file(c, "SCRN:", console::FileMode::Output, 2);
    console::set_text_colours(c, 0, 1);
    console::clear_screen(c);
    ASSERT_EQ(c.errors.pending, 0);
  }

  // The document file, opened as the key D opens it, in a folder of the test's own.
  void in_document() {
    folder.emplace();
    p.output_channel = 1;
    console::open_file(c, "CARD.DOC", console::FileMode::Output, 1);
    ASSERT_EQ(c.errors.pending, 0);
  }

  // The document's bytes, with code page 437 shown as UTF-8 (CR and LF unchanged).
  std::string document() {
    console::close_file(c, 1);
    return console::cp437_text_to_utf8(folder->read("CARD.DOC"));
  }

  // The document's lines, each with its line end, as UTF-8.
  std::vector<std::string> document_lines() {
    const std::string text = document();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t end = text.find("\r\n", start);
      const std::size_t stop = end == std::string::npos ? text.size() : end + 2;
      lines.push_back(text.substr(start, stop - start));
      start = stop;
    }
    return lines;
  }

  // Row r of the screen, all 80 characters, as UTF-8.
  std::string row(int r) const { return console::page_text_line(c.page, r); }

  console::ScriptedHost host;
  console::Console c{host};
  program::Program p = program::program_with_ship_arrays();
  std::optional<console::WorkingFolder> folder;  // made by in_document
};

class CardTest : public ::testing::Test, public CardBench {};

}  // namespace card
