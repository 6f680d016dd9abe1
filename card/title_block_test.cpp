// Centring of the title block: half of what the text leaves of 79 columns, rounded
// down, and none for a text of 79 characters or more.
#include "card/title_block.h"

#include <gtest/gtest.h>

#include <string>

#include "card/closing_sections_test_support.h"

namespace card {
namespace {


std::string title_block_bytes(const ClosingShip& ship) {
  ClosingBench run(ship);
  run.in_document();
  print_card_title(run.p, run.c);
  EXPECT_TRUE(run.host.boxes().empty());
  return run.document();
}

// A title of `length` characters: the name, " - " and the type "Tug".
ClosingShip ship_with_title_of(std::size_t length) {
  ClosingShip s;
  s.name = std::string(length - 6, 'n');
  s.type_text = "Tug";
  return s;
}

TEST(TitleBlock, TitleIndent) {
  struct Case {
    std::size_t length, indent;
  };
  static const Case cases[] = {{11, 34}, {12, 33}, {32, 23}, {77, 1}, {78, 0}, {79, 0}, {80, 0}, {81, 0}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.length);
    const ClosingShip s = ship_with_title_of(k.length);
    const std::string bytes = title_block_bytes(s);
    const std::string title_line = blanks(k.indent) + s.name + " - Tug\r\n";
    EXPECT_EQ(bytes.substr(0, 2 + title_line.size()), "\r\n" + title_line);
  }
}

// The battery line takes the profile's indent whatever its own length.
TEST(TitleBlock, ProfileIndentServesTheBatteryLine) {
  struct Case {
    std::string profile;
    std::size_t indent;
  };
  const Case cases[] = {
      {"FE-D3244C3-410002-5030A", 28},
      {"FE-D3244C3-410002-5030A-A", 27},
      {"FE-D3244C3-410002-5030A-AB", 26},
      {"", 39},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.profile);
    ClosingShip s;
    s.profile = k.profile;
    s.batteries = "  1";
    const std::string expected = "\r\n" + blanks(23) + "Harrowgate Lark - Escort Frigate\r\n\r\n" +
                                 blanks(k.indent) + k.profile + "\r\n" + blanks(k.indent) + "  1\r\n\r\n";
    EXPECT_EQ(title_block_bytes(s), expected);
  }
}

TEST(TitleBlock, ScreenRowsFollowTheCursor) {
  ClosingBench run;
  run.on_screen();
  console::move_cursor(run.c, 3, 1);
  print_card_title(run.p, run.c);
  EXPECT_EQ(run.trimmed_row(3), "");
  EXPECT_EQ(run.trimmed_row(4), blanks(23) + "Harrowgate Lark - Escort Frigate");
  EXPECT_EQ(run.trimmed_row(5), "");
  EXPECT_EQ(run.trimmed_row(6), blanks(28) + "FE-D3244C3-410002-5030A");
  EXPECT_EQ(run.trimmed_row(7), blanks(40) + "2   1 2 1 5");
  EXPECT_EQ(run.trimmed_row(8), "");
  EXPECT_EQ(run.c.page.cursor_row(), 9);
  EXPECT_EQ(run.p.card_title, "Harrowgate Lark - Escort Frigate");
  EXPECT_EQ(run.p.centre_indent, 28);
}

}  // namespace
}  // namespace card
