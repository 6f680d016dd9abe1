#include "app/ship_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "app/scenario_test_support.h"
#include "ships/ship_list.h"
#include "ships/ship_loader.h"

namespace app {
namespace {

// Two ships whose menu lines are worked out by hand below. Neither has a battery, so
// BEAM and MISSILE are 0. The corvette (400 tons, class 0, hull 2, agility 2) has the
// defence sum 1 + 2 = 3 and screens 3 ^ (3 ^ 0.08) / 10 = 0.3319, divided by 0.1 and
// rounded: 3, square root 1.732, printed 2. The fortress (1,234,567 tons, class 3,
// hull W, agility 0) has the sum 1, 1 / 10 / 100 rounds to 0, and screens are raised
// to their least value, 1.
const std::string kTwoShips =
    "\"Harrow Lance\",\"Corvette\",\"SC-2111111-000000-00000-1\",100,400,\"                   \","
    "10,12,0,0,20,40,0,2,0,0,0,0,"
    "\"Bulwark of Dawn\",\"Fortress\",\"BB-W111111-000000-00000-0\",0,1234567,\"                   \","
    "900,14,0,0,0,0,0,0,0,0,0,0,"
    "\"XXX\",";

class ShipMenuTest : public ::testing::Test {
 protected:
  void load(const std::string& list) {
    init_program(run.program, run.console);
    ships::load_ship_list(run.program, run.console, list);
  }
  ScriptedRun run;
};

TEST_F(ShipMenuTest, MenuLinesWithAFieldOverflow) {
  load(kTwoShips);
  run.host.type("2\r");
  EXPECT_EQ(show_ship_menu(run.program, run.console), MenuOutcome::Chosen);
  const std::vector<std::string> expected = {
      " KESTRAMOND DATA CARD GENERATOR",
      "",
      "  1. SC-Harrow Lance           12     400t 0[ 0-0-2] SC-2111111-000000-00000-1",
      // The tons overflow their field by three characters, so the profile no longer
      // fits the row and starts the next one.
      "  2. BB-Bulwark of Dawn        14 %1,234,567t 3[ 0-0-1]",
      "BB-W111111-000000-00000-0",
      "",
      " Ship ? 2",
      "",
  };
  EXPECT_EQ(screen_rows(run.console.page, 1, 8), expected);
  EXPECT_EQ(run.program.ship_index, 2);
  EXPECT_EQ(run.console.page.cursor_row(), 8);
  EXPECT_EQ(run.console.page.cursor_column(), 1);
}

TEST_F(ShipMenuTest, ChoicesOutsideTheTableRaiseError9AndChooseRecord0) {
  for (const char* typed : {"1001\r", "-1\r"}) {
    SCOPED_TRACE(typed);
    run.program = {};
    run.host.answer_boxes({true});
    load(kTwoShips);
    run.host.type(typed);
    show_ship_menu(run.program, run.console);
    ASSERT_FALSE(run.host.boxes().empty());
    EXPECT_EQ(run.host.boxes().back().title, "Unhandled Error #9");
    EXPECT_EQ(run.program.ship_index, 0);
  }
}

TEST_F(ShipMenuTest, FractionsRoundHalfToEven) {
  struct Case {
    const char* typed;
    float ship;
  } cases[] = {
      // Half to even: 2.5 chooses line 2 and 0.5 line 0 (record 0); 3.5 would be line 4,
      // which was never listed.
      {"1.5\r", 2}, {"2.5\r", 2}, {"0.5\r", 0}, {".4\r", 0}, {"3.5\r", 0}, {"1\r", 1},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.typed);
    run.program = {};
    load(kTwoShips);
    run.host.type(k.typed);
    show_ship_menu(run.program, run.console);
    EXPECT_EQ(run.program.ship_index, k.ship);
  }
}

// The records of the built-in list in the order the menu must list them, worked out
// here from the names and tons alone: class by tons, then the first and the second
// character of the name by code, then record order; names whose first character is
// not a capital or whose second has a code outside 65 to 122 are left out.
std::vector<float> expected_menu_order(const program::Program& p) {
  std::vector<std::tuple<int, int, int, int>> keys;
  for (int i = 1; i <= static_cast<int>(p.ship_count); ++i) {
    const std::string& name = p.ship_name[i];
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'Z' || name[1] < 65 || name[1] > 122) continue;
    const float tons = p.ship_tons[i];
    const int cls = tons >= 100000 ? 3 : tons >= 10000 ? 2 : tons >= 1000 ? 1 : 0;
    keys.emplace_back(cls, name[0], name[1], i);
  }
  std::sort(keys.begin(), keys.end());
  std::vector<float> order;
  for (const auto& k : keys) order.push_back(static_cast<float>(std::get<3>(k)));
  return order;
}

class BuiltInMenuTest : public ShipMenuTest {
 protected:
  BuiltInMenuTest() { load(ships::kShipList); }
};

TEST_F(BuiltInMenuTest, ZeroAtEveryPauseListsAll142ShipsOnEightPages) {
  run.host.type("0\r0\r0\r0\r0\r0\r\r4\r");  // an empty answer also turns the page
  EXPECT_EQ(show_ship_menu(run.program, run.console), MenuOutcome::Chosen);
  EXPECT_EQ(run.program.menu_count, 142);
  EXPECT_EQ(run.host.keys_left(), 0u);
  const auto& page = run.console.page;
  EXPECT_EQ(console::page_text_row(page, 1), " KESTRAMOND DATA CARD GENERATOR");
  EXPECT_EQ(console::page_text_row(page, 3).substr(0, 5), "141. ");
  EXPECT_EQ(console::page_text_row(page, 4).substr(0, 5), "142. ");
  EXPECT_EQ(console::page_text_row(page, 5), "");
  EXPECT_EQ(console::page_text_row(page, 6), " Ship ? 4");
  EXPECT_EQ(run.program.ship_index, run.program.menu_ship_index[4]);

  const std::vector<float> order = expected_menu_order(run.program);
  ASSERT_EQ(order.size(), 142u);
  const std::vector<float> listed(run.program.menu_ship_index.begin() + 1,
                                  run.program.menu_ship_index.begin() + 143);
  EXPECT_EQ(listed, order);
}

TEST_F(BuiltInMenuTest, NumberAtTheSecondPauseChoosesALineOfTheFirstPage) {
  run.host.type("0\r5\r");
  show_ship_menu(run.program, run.console);
  EXPECT_EQ(run.program.menu_count, 40);
  EXPECT_EQ(run.program.ship_index, expected_menu_order(run.program)[4]);
}

TEST_F(BuiltInMenuTest, NumberNotYetListedChoosesRecord0) {
  run.host.type("100\r");
  show_ship_menu(run.program, run.console);
  EXPECT_EQ(run.program.menu_count, 20);
  EXPECT_EQ(run.program.ship_index, 0);
  EXPECT_TRUE(run.host.boxes().empty());
}

TEST_F(BuiltInMenuTest, NumberAboveTheTableAtTheFinalPromptRaisesError9) {
  run.host.type("0\r0\r0\r0\r0\r0\r0\r1001\r");
  run.host.answer_boxes({true});
  show_ship_menu(run.program, run.console);
  ASSERT_EQ(run.host.boxes().size(), 1u);
  EXPECT_EQ(run.host.boxes()[0].title, "Unhandled Error #9");
  EXPECT_EQ(run.program.ship_index, 0);
}

TEST_F(BuiltInMenuTest, NegativeNumberAtAPauseAsksForTheDesign) {
  run.host.type("0\r-.4\r");
  EXPECT_EQ(show_ship_menu(run.program, run.console), MenuOutcome::DesignRequested);
  EXPECT_EQ(run.program.menu_count, 40);
}

TEST_F(BuiltInMenuTest, FirstPageShowsTwentyLinesAndThePrompt) {
  run.host.type("3\r");
  show_ship_menu(run.program, run.console);
  // The page held the title, an empty row, 20 lines, an empty row and the prompt on
  // row 24; the line end after the typed number scrolled it up by one row.
  const auto& page = run.console.page;
  EXPECT_EQ(console::page_text_row(page, 1), "");
  for (int line = 1; line <= 20; ++line) {
    char number[8];
    std::snprintf(number, sizeof number, "%3d. ", line);
    EXPECT_EQ(console::page_text_row(page, line + 1).substr(0, 5), number);
  }
  EXPECT_EQ(console::page_text_row(page, 22), "");
  EXPECT_EQ(console::page_text_row(page, 23), " Ship 3");
  EXPECT_EQ(console::page_text_row(page, 24), "");
  EXPECT_EQ(run.program.ship_index, expected_menu_order(run.program)[2]);
}

}  // namespace
}  // namespace app
