// The road of the program on the scripted host: keys in, the screen and the state out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/run_program.h"
#include "app/scenario_test_support.h"
#include "console/screen.h"
#include "ships/ship_list.h"
#include "ships/ship_loader.h"

namespace app {
namespace {

constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

// Runs a test in a fresh temporary folder, where the program reads SHIP.DAT and writes
// its files. The folder's SHIP.DAT asks for no design, so the menu follows the load.
class RoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.write("SHIP.DAT", kNoDesignFile);
  }
  ScriptedRun run;
  WorkingFolder folder_;
};

// The menu's first page pauses after 20 lines on row 24; the choice, the empty line and
// the question then scroll the screen three times, leaving the question on row 23.
TEST_F(RoadTest, ChoosingAShipAsksForTheOutput) {
  run.host.type("1\r");
  run_program(run.console);
  EXPECT_TRUE(run.console.flags.program_stopped.load());
  EXPECT_EQ(console::page_text_row(run.console.page, 21), " Ship 1");
  EXPECT_EQ(console::page_text_row(run.console.page, 22), "");
  EXPECT_EQ(console::page_text_row(run.console.page, 23), kOutputQuestion);
  EXPECT_EQ(run.console.page.cursor_row(), 24);
  EXPECT_EQ(run.console.page.cursor_column(), 1);
}

TEST_F(RoadTest, QAtTheOutputQuestionEndsAfterOneKey) {
  for (const char* quit : {"Q", "q"}) {
    SCOPED_TRACE(quit);
    ScriptedRun fresh;
    fresh.host.type(std::string("1\r") + quit + "z");
    run_program(fresh.console);
    EXPECT_TRUE(fresh.console.flags.exit_request.load());
    EXPECT_EQ(fresh.host.keys_left(), 0u);
    EXPECT_EQ(console::page_text_row(fresh.console.page, 25), "Press any key to continue");
    EXPECT_EQ(console::page_text_row(fresh.console.page, 23), kOutputQuestion);
  }
}

TEST_F(RoadTest, StopFlagEndsTheWaitAtTheEndPrompt) {
  run.host.type("1\rQ");
  run_program(run.console);
  EXPECT_EQ(console::page_text_row(run.console.page, 25), "Press any key to continue");
  EXPECT_FALSE(run.console.flags.exit_request.load());
  EXPECT_TRUE(run.console.flags.program_stopped.load());
}

// R at the output question restarts; the keys typed with it stay queued and choose
// the first ship of the menu shown again, so the question stands on the screen when
// Q ends the program (a card would have cleared it).
TEST_F(RoadTest, KeysTypedAheadOfARestartStayQueued) {
  run.host.type("1\r");
  run.host.type_ahead("R1\r");
  run.host.type("Qz");
  run_program(run.console);
  EXPECT_TRUE(run.console.flags.exit_request.load());
  EXPECT_EQ(run.host.keys_left(), 0u);
  EXPECT_EQ(console::page_text_row(run.console.page, 23), kOutputQuestion);
  EXPECT_EQ(console::page_text_row(run.console.page, 21), " Ship 1");
  EXPECT_EQ(run.console.page.palette_entry(1), 0xFFFFFFFFu);
}

// A list whose sentinel is missing: the second record's name is read past the end of
// the list, and the first error box shows the screen as the echo left it.
const std::string kListWithoutSentinel =
    "\"Aa\",\"Scout\",\"AA-1111111-000000-00000-0\",0,100,\"                   \","
    "1,10,0,0,0,0,0,0,0,0,0,0,";

TEST_F(RoadTest, RestartKeepsThePageAndTheEchoScrollsItUp) {
  console::set_text_colours(run.console, 0, 1);
  console::move_cursor(run.console, 5, 1);
  console::print_to_screen(run.console, "old card", false);
  console::move_cursor(run.console, 24, 1);
  reset_console_for_restart(run.console);
  EXPECT_EQ(run.console.page.palette_entry(1), 0xFF0000AAu);
  EXPECT_EQ(run.console.page.current_attribute(), 7);

  run.host.answer_boxes({false});
  EXPECT_THROW(run_road(run.program, run.console, kListWithoutSentinel), console::ProgramHalt);
  ASSERT_EQ(run.host.boxes().size(), 1u);
  const auto& box = run.host.boxes()[0];
  EXPECT_EQ(box.title, "Unhandled Error #4");
  EXPECT_NE(box.text.find("\nOut of DATA\n"), std::string::npos);
  EXPECT_EQ(box.screen[3], "old card");
  EXPECT_EQ(box.screen[22], " 1 Aa");
  EXPECT_EQ(box.screen[23], " 2");
  EXPECT_TRUE(run.console.flags.exit_request.load());
}

TEST_F(RoadTest, YesAfterAReadPastTheEndGoesOnWithTheNextStep) {
  run.host.answer_boxes({true, false});
  EXPECT_THROW(run_road(run.program, run.console, kListWithoutSentinel), console::ProgramHalt);
  ASSERT_EQ(run.host.boxes().size(), 2u);
  // After Yes the empty name is echoed, and the type read fails next.
  EXPECT_EQ(run.host.boxes()[1].title, "Unhandled Error #4");
  EXPECT_EQ(run.host.boxes()[1].screen[1], " 2");
}

// After a screen card, keys other than the commands draw the card again without the
// question and without opening the screen device again (that would be error 55);
// the blank restarts, and the menu is shown again.
TEST_F(RoadTest, AfterAScreenCardOtherKeysDrawItAgainAndTheBlankRestarts) {
  run.host.type("1\rSx\r\x1b");
  run.host.type(console::KeyEvent{0, console::SpecialKey::F1});
  run.host.type(" 1\rQz");
  run_program(run.console);
  EXPECT_TRUE(run.host.boxes().empty());
  EXPECT_TRUE(run.console.flags.exit_request.load());
  EXPECT_EQ(run.host.keys_left(), 0u);
  EXPECT_EQ(console::page_text_row(run.console.page, 23), kOutputQuestion);
}

using RoadInFolderTest = RoadTest;

// The keys that page through the menu to the line of the first ship whose stored name
// carries the tag, worked out from the list, and that name.
std::pair<std::string, std::string> keys_to_first_tagged_ship() {
  ScriptedRun load;
  init_program(load.program, load.console);
  ships::load_ship_list(load.program, load.console, ships::kShipList);
  // Lines follow class by tons, then the first two characters; count the lines before
  // the first tagged name.
  struct Entry {
    int cls, first, second, record;
  };
  std::vector<Entry> entries;
  const auto& p = load.program;
  for (int i = 1; i <= 144; ++i) {
    const std::string& n = p.ship_name[i];
    if (n.size() < 2 || n[0] < 'A' || n[0] > 'Z' || n[1] < 65 || n[1] > 122) continue;
    const float t = p.ship_tons[i];
    entries.push_back({t >= 100000 ? 3 : t >= 10000 ? 2 : t >= 1000 ? 1 : 0, n[0], n[1], i});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return std::tie(a.cls, a.first, a.second) < std::tie(b.cls, b.first, b.second);
  });
  for (std::size_t line = 1; line <= entries.size(); ++line) {
    const std::string& name = p.ship_name[entries[line - 1].record];
    if (name.rfind("QOR-", 0) != 0) continue;
    std::string keys;
    for (std::size_t page = 0; page < (line - 1) / 20; ++page) keys += "0\r";
    return {keys + std::to_string(line) + "\r", name};
  }
  return {};
}

TEST_F(RoadInFolderTest, DocumentAtTheOutputQuestionIsNamedWithTheTag) {
  const auto [keys, name] = keys_to_first_tagged_ship();
  ASSERT_FALSE(name.empty());
  run.host.type(keys + "D");
  run_program(run.console);
  EXPECT_TRUE(run.host.boxes().empty());
  EXPECT_TRUE(std::filesystem::exists(folder_ / (name + ".DOC")));
  // A document card is followed at once by a restart: the menu is shown again.
  EXPECT_EQ(console::page_text_row(run.console.page, 1), " KESTRAMOND DATA CARD GENERATOR");
}

}  // namespace
}  // namespace app
