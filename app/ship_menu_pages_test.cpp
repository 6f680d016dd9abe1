// The menu's pages and the name column, on small lists made here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/scenario_test_support.h"
#include "app/ship_menu.h"
#include "ships/ship_loader.h"

namespace app {
namespace {

// A corvette of 400 tons with agility 2 and no batteries: class 0, BEAM 0, MISSILE 0,
// screens 2 (worked out beside the same ship in the menu's line test).
std::string corvette(const std::string& name) {
  return "\"" + name +
         "\",\"Corvette\",\"SC-2111111-000000-00000-1\",100,400,\"                   \","
         "10,12,0,0,20,40,0,2,0,0,0,0,";
}

class MenuPagesTest : public ::testing::Test {
 protected:
  void load(const std::string& list) {
    init_program(run.program, run.console);
    ships::load_ship_list(run.program, run.console, list + "\"XXX\",");
  }
  ScriptedRun run;
};

// Twenty ships fill the first page exactly; after 0 at its pause the next page holds
// the title, an empty line, the empty line of the final prompt and the prompt.
TEST_F(MenuPagesTest, TwentyShipsEndWithAPageOfTitleAndFinalPrompt) {
  std::string list;
  for (char second = 'a'; second < 'a' + 20; ++second) list += corvette(std::string("A") + second + "lder");
  load(list);
  run.host.type("0\r7\r");
  EXPECT_EQ(show_ship_menu(run.program, run.console), MenuOutcome::Chosen);
  const std::vector<std::string> expected = {
      " KESTRAMOND DATA CARD GENERATOR", "", "", " Ship ? 7", "",
  };
  EXPECT_EQ(screen_rows(run.console.page, 1, 5), expected);
  EXPECT_EQ(run.program.menu_count, 20);
  EXPECT_EQ(run.program.ship_index, 7);  // line 7 is "Agalder", record 7
}

// A name is cut to 23 characters; a name of 23 or more gets no blanks before the TL.
TEST_F(MenuPagesTest, NameColumnHoldsTwentyThreeCharacters) {
  load(corvette("Abcdefghijklmnopqrstuvwxyz1234") + corvette("Bcdefghijklmnopqrstuvwx") +
       corvette("Cd"));
  run.host.type("\r");
  show_ship_menu(run.program, run.console);
  const std::vector<std::string> expected = {
      "  1. SC-Abcdefghijklmnopqrstuvw12     400t 0[ 0-0-2] SC-2111111-000000-00000-1",
      "  2. SC-Bcdefghijklmnopqrstuvwx12     400t 0[ 0-0-2] SC-2111111-000000-00000-1",
      "  3. SC-Cd                     12     400t 0[ 0-0-2] SC-2111111-000000-00000-1",
      "",
      " Ship ?",
  };
  EXPECT_EQ(screen_rows(run.console.page, 3, 7), expected);
  EXPECT_EQ(run.program.ship_index, 0);  // the empty answer is 0: record 0
}

}  // namespace
}  // namespace app
