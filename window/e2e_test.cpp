// The real program in its window under a virtual X server: typed at with XTest, read
// back from the window's pixels.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include "window/e2e_harness.h"

namespace e2e {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    run.emplace(display, DATACARD_BINARY);
    ASSERT_TRUE(run->wait_for_window()) << "no window";
  }

  // The start of the road without SHIP.DAT: the two file errors, answered Yes, then
  // the menu's prompt.
  void reach_the_menu() {
    ASSERT_TRUE(run->answer_box("Unhandled Error #53", true)) << run->last_screen_dump();
    ASSERT_TRUE(run->answer_box("Unhandled Error #52", true)) << run->last_screen_dump();
    ASSERT_TRUE(run->wait_for_text(" Ship ")) << run->last_screen_dump();
  }

  void reach_the_output_question() {
    reach_the_menu();
    run->type("1\n");
    ASSERT_TRUE(run->wait_for_text(" (S)creen Output or (D)ocument Output ?"))
        << run->last_screen_dump();
  }

  VirtualDisplay display;
  std::optional<ProgramRun> run;
};

TEST_F(Program, TheMissingDesignFileShowsBox53WithItsThreeLines) {
  const auto screen = run->wait_for_text("Unhandled Error #53");
  ASSERT_TRUE(screen) << run->last_screen_dump();
  EXPECT_TRUE(screen->contains("(in main module)")) << screen->dump();
  EXPECT_TRUE(screen->contains("File not found")) << screen->dump();
  EXPECT_TRUE(screen->contains("Continue?")) << screen->dump();
  EXPECT_TRUE(screen->contains("[ Yes ]")) << screen->dump();
  EXPECT_TRUE(screen->contains("[ No ]")) << screen->dump();
  ASSERT_TRUE(run->answer_box("Unhandled Error #53", true));
  const auto next = run->wait_for_text("Unhandled Error #52");
  ASSERT_TRUE(next) << run->last_screen_dump();
  EXPECT_TRUE(next->contains("Bad file name or number")) << next->dump();
}

TEST_F(Program, ThePageIsBlackOnWhiteAfterTheFirstClear) {
  reach_the_menu();
  const auto screen = run->read_screen();
  ASSERT_TRUE(screen);
  for (int r = 0; r < 25; ++r) {
    for (int c = 0; c < 80; ++c) {
      ASSERT_EQ(screen->background[r][c], kWhite) << "row " << r + 1 << " column " << c + 1;
      if (screen->lines[r][c] != ' ') {
        ASSERT_EQ(screen->foreground[r][c], kBlack) << "row " << r + 1 << " column " << c + 1;
      }
    }
  }
}

TEST_F(Program, AnswerNoEndsTheProgramWithCode0) {
  ASSERT_TRUE(run->wait_for_text("Unhandled Error #53")) << run->last_screen_dump();
  run->type("n");
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, QShowsTheEndPromptAndTheNextKeyEndsWithCode0) {
  reach_the_output_question();
  run->type("q");
  const auto screen = run->wait_for_text("Press any key to continue", 25);
  ASSERT_TRUE(screen) << run->last_screen_dump();
  EXPECT_EQ(screen->row(25), "Press any key to continue");
  EXPECT_TRUE(run->running());
  run->type("x");
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, RRestartsTheRoadFromTheStart) {
  reach_the_output_question();
  run->type("r");
  // The restart runs the start again: the missing file's box comes back.
  ASSERT_TRUE(run->wait_for_text("Unhandled Error #53")) << run->last_screen_dump();
  reach_the_menu();
}

TEST_F(Program, TheCloseMessageEndsTheProgramWithCode0) {
  ASSERT_TRUE(run->wait_for_text("Unhandled Error #53")) << run->last_screen_dump();
  run->close_window();  // while the box waits for its answer
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, TheCloseMessageAtTheMenuPromptEndsWithCode0) {
  reach_the_menu();
  run->close_window();
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, CtrlBreakEndsTheProgramWithCode0) {
  reach_the_menu();
  run->press(XK_Pause, {XK_Control_L});
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, AResizedWindowShowsTheFrameAtAWholeScale) {
  reach_the_menu();
  struct Case {
    int width, height, scale;
  } cases[] = {{1300, 820, 2}, {1000, 900, 1}, {1600, 1000, 2}, {640, 400, 1}};
  for (const auto& c : cases) {
    run->resize(c.width, c.height);
    const auto screen = run->wait_for_screen([&](const Screen& s) {
      return s.width == c.width && s.height == c.height && s.contains(" Ship ");
    });
    ASSERT_TRUE(screen) << c.width << "x" << c.height << "\n" << run->last_screen_dump();
    EXPECT_EQ(screen->scale, c.scale);
    EXPECT_EQ(screen->background[12][40], kWhite);
  }
}

}  // namespace
}  // namespace e2e
