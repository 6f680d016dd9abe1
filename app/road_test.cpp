// The road of the program on the scripted host: keys in, the screen and the state out.
#include <gtest/gtest.h>

#include "app/run_program.h"
#include "app/scenario_support.h"
#include "console/screen.h"

namespace app {
namespace {

constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

class RoadTest : public ::testing::Test {
 protected:
  ScriptedRun run;
};

// The menu's first page pauses after 20 lines on row 24; the choice, the empty line and
// the question then scroll the screen three times, leaving the question on row 23.
TEST_F(RoadTest, ChoosingAShipAsksForTheOutput) {
  run.host.type("1\r");
  run_program(run.console);
  EXPECT_TRUE(run.console.flags.program_stopped.load());
  EXPECT_EQ(screen_row(run.console.page, 21), " Ship 1");
  EXPECT_EQ(screen_row(run.console.page, 22), "");
  EXPECT_EQ(screen_row(run.console.page, 23), kOutputQuestion);
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
    EXPECT_EQ(screen_row(fresh.console.page, 25), "Press any key to continue");
    EXPECT_EQ(screen_row(fresh.console.page, 23), kOutputQuestion);
  }
}

TEST_F(RoadTest, StopFlagEndsTheWaitAtTheEndPrompt) {
  run.host.type("1\rQ");
  run_program(run.console);
  EXPECT_EQ(screen_row(run.console.page, 25), "Press any key to continue");
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
  EXPECT_EQ(screen_row(run.console.page, 23), kOutputQuestion);
  EXPECT_EQ(screen_row(run.console.page, 21), " Ship 1");
  EXPECT_EQ(run.console.page.palette_entry(1), 0xFFFFFFFFu);
}

// A list whose sentinel is missing: the second record's name is read past the end of
// the list, and the first error box shows the screen as the echo left it.
const std::string LIST_WITHOUT_SENTINEL =
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
  EXPECT_THROW(run_road(run.program, run.console, LIST_WITHOUT_SENTINEL), console::ProgramHalt);
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
  EXPECT_THROW(run_road(run.program, run.console, LIST_WITHOUT_SENTINEL), console::ProgramHalt);
  ASSERT_EQ(run.host.boxes().size(), 2u);
  // After Yes the empty name is echoed, and the type read fails next.
  EXPECT_EQ(run.host.boxes()[1].title, "Unhandled Error #4");
  EXPECT_EQ(run.host.boxes()[1].screen[1], " 2");
}

}  // namespace
}  // namespace app
