// The real program in its window under a virtual X server: typed at with XTest, read
// back from the window's pixels.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <cstdio>
#include <map>

#include "window/e2e_harness.h"

namespace e2e {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

// A ship design file whose first value asks for no design: the menu follows the load.
const std::map<std::string, std::string> NO_DESIGN = {{"SHIP.DAT", "Design this ship,N\r\n"}};

class Program : public ::testing::Test {
 protected:
  void SetUp() override { start(NO_DESIGN); }

  void start(const std::map<std::string, std::string>& files) {
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    run.emplace(display, DATACARD_BINARY, files);
    ASSERT_TRUE(run->wait_for_window()) << "no window";
  }

  // The menu's first page: the title on row 1, 20 ships, the prompt on row 24.
  void reach_the_menu() {
    ASSERT_TRUE(run->wait_for_screen([](const Screen& s) {
      return s.row(1) == " KESTRAMOND DATA CARD GENERATOR" && s.row(24) == " Ship";
    })) << run->last_screen_dump();
  }

  // Ship 1 chosen: the choice, an empty line and the question scroll the page up, so
  // the question stands on row 23.
  void reach_the_output_question() {
    reach_the_menu();
    run->type("1\n");
    ASSERT_TRUE(run->wait_for_text(kOutputQuestion, 23)) << run->last_screen_dump();
  }

  VirtualDisplay display;
  std::optional<ProgramRun> run;
};

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

TEST_F(Program, TypedDigitsAndBackspaceReachTheNumberPrompt) {
  reach_the_menu();
  run->type("12");
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) { return s.row(24) == " Ship 12"; }))
      << run->last_screen_dump();
  run->press(XK_BackSpace);
  run->type("x");  // refused by the number rules
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) { return s.row(24) == " Ship 1"; }))
      << run->last_screen_dump();
  run->type("\n");
  ASSERT_TRUE(run->wait_for_text(kOutputQuestion, 23)) << run->last_screen_dump();
  const auto screen = run->read_screen();
  ASSERT_TRUE(screen);
  EXPECT_EQ(screen->row(21), " Ship 1");
}

// A number outside 0 to 1000 at the menu raises error 9 after its step.
TEST_F(Program, TheErrorBoxShowsItsTitleLinesAndButtonsOverThePage) {
  reach_the_menu();
  run->type("5000\n");
  const auto screen = run->wait_for_text("Unhandled Error #9");
  ASSERT_TRUE(screen) << run->last_screen_dump();
  EXPECT_TRUE(screen->contains("(in main module)")) << screen->dump();
  EXPECT_TRUE(screen->contains(" Subscript out of range ")) << screen->dump();
  EXPECT_TRUE(screen->contains(" Continue? ")) << screen->dump();
  EXPECT_TRUE(screen->contains("[ Yes ]   [ No ]")) << screen->dump();
  // Around the box the page shows the menu, one row up after the typed line's end.
  EXPECT_EQ(screen->row(23), " Ship 5000");
  EXPECT_EQ(screen->background[0][0], kWhite);
  ASSERT_TRUE(run->answer_box("Unhandled Error #9", true)) << run->last_screen_dump();
  ASSERT_TRUE(run->wait_for_text(kOutputQuestion)) << run->last_screen_dump();
}

TEST_F(Program, TheErrorBoxIsAnsweredWithTheMouse) {
  reach_the_menu();
  run->type("5000\n");
  const auto screen = run->wait_for_text("[ Yes ]");
  ASSERT_TRUE(screen) << run->last_screen_dump();
  int row = 0, column = 0;
  for (int r = 1; r <= 25 && !row; ++r) {
    const auto at = screen->lines[r - 1].find("[ Yes ]");
    if (at != std::string::npos) row = r, column = static_cast<int>(at) + 3;
  }
  run->click(row, column);
  ASSERT_TRUE(run->wait_for_text(kOutputQuestion)) << run->last_screen_dump();
  EXPECT_FALSE(run->read_screen()->contains("Unhandled Error"));
}

TEST_F(Program, AnswerNoEndsTheProgramWithCode0) {
  reach_the_menu();
  run->type("5000\n");
  ASSERT_TRUE(run->wait_for_text("Unhandled Error #9")) << run->last_screen_dump();
  run->type("n");
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, QShowsTheEndPromptAndTheNextKeyEndsWithCode0) {
  reach_the_output_question();
  run->type("q");
  const auto screen = run->wait_for_text("Press any key to continue", 25);
  ASSERT_TRUE(screen) << run->last_screen_dump();
  EXPECT_EQ(screen->row(25), "Press any key to continue");
  EXPECT_EQ(screen->row(23), kOutputQuestion);
  EXPECT_TRUE(run->running());
  run->type("x");
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, RRestartsTheRoadFromTheStart) {
  reach_the_output_question();
  run->type("r");
  // The road runs again: the list, the clear and the menu's first page, question gone.
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) {
    return s.row(1) == " KESTRAMOND DATA CARD GENERATOR" && s.row(24) == " Ship" &&
           !s.contains(kOutputQuestion);
  })) << run->last_screen_dump();
  run->type("2\n");
  ASSERT_TRUE(run->wait_for_text(kOutputQuestion, 23)) << run->last_screen_dump();
}

TEST_F(Program, TheCloseMessageAtTheMenuPromptEndsWithCode0) {
  reach_the_menu();
  run->close_window();
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, TheCloseMessageWhileABoxWaitsEndsWithCode0) {
  reach_the_menu();
  run->type("5000\n");
  ASSERT_TRUE(run->wait_for_text("Unhandled Error #9")) << run->last_screen_dump();
  run->close_window();
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, CtrlBreakAtTheOutputQuestionEndsWithCode0) {
  reach_the_output_question();
  run->press(XK_Pause, {XK_Control_L});
  EXPECT_EQ(run->wait_for_exit(), 0);
}

TEST_F(Program, AltF4AtTheMenuPromptEndsWithCode0) {
  reach_the_menu();
  run->press(XK_F4, {XK_Alt_L});
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
      return s.width == c.width && s.height == c.height && s.row(24) == " Ship";
    });
    ASSERT_TRUE(screen) << c.width << "x" << c.height << "\n" << run->last_screen_dump();
    EXPECT_EQ(screen->scale, c.scale);
    EXPECT_EQ(screen->row(1), " KESTRAMOND DATA CARD GENERATOR");
    EXPECT_EQ(screen->background[12][40], kWhite);
  }
}

// Paging through all eight pages with 0 (or an empty line) and choosing at the final
// prompt: its last page holds lines 141 and 142, an empty row and " Ship ? ".
TEST_F(Program, PagingThroughTheMenuAndChoosingAtTheFinalPrompt) {
  reach_the_menu();
  for (int page = 2; page <= 8; ++page) {
    run->type(page == 5 ? "\n" : "0\n");
    if (page == 8) break;
    ASSERT_TRUE(run->wait_for_screen([&](const Screen& s) {
      char first[8];
      std::snprintf(first, sizeof first, "%3d. ", (page - 1) * 20 + 1);
      return s.row(3).rfind(first, 0) == 0 && s.row(24) == " Ship";
    })) << "page " << page << "\n" << run->last_screen_dump();
  }
  const auto last = run->wait_for_screen([](const Screen& s) { return s.row(6) == " Ship ?"; });
  ASSERT_TRUE(last) << run->last_screen_dump();
  EXPECT_EQ(last->row(3).substr(0, 5), "141. ");
  EXPECT_EQ(last->row(4).substr(0, 5), "142. ");
  EXPECT_EQ(last->row(5), "");
  run->type("141\n");
  ASSERT_TRUE(run->wait_for_text(kOutputQuestion, 8)) << run->last_screen_dump();
}

// The screen card of the chosen ship is drawn in boxes from row 1.
TEST_F(Program, TheScreenCardIsDrawnInBoxes) {
  reach_the_output_question();
  run->type("s");
  const auto card = run->wait_for_screen([](const Screen& s) {
    return s.lines[0].rfind("\xDA\xC4\xC4\xC2", 0) == 0 && s.lines[2][0] == '\xC3';
  });
  ASSERT_TRUE(card) << run->last_screen_dump();
  EXPECT_FALSE(card->contains(kOutputQuestion));
  run->type(" ");  // the blank restarts: the menu again
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) {
    return s.row(1) == " KESTRAMOND DATA CARD GENERATOR" && s.row(24) == " Ship";
  })) << run->last_screen_dump();
}

class ProgramWithoutDesignFile : public Program {
 protected:
  void SetUp() override { start({}); }
};

// Without SHIP.DAT the start shows two error boxes, 53 and then 52, and after two Yes
// the menu follows.
TEST_F(ProgramWithoutDesignFile, TwoErrorBoxesThenTheMenu) {
  ASSERT_TRUE(run->wait_for_text("Unhandled Error #53")) << run->last_screen_dump();
  EXPECT_TRUE(run->read_screen()->contains(" File not found ")) << run->last_screen_dump();
  ASSERT_TRUE(run->answer_box("Unhandled Error #53", true)) << run->last_screen_dump();
  ASSERT_TRUE(run->wait_for_text("Unhandled Error #52")) << run->last_screen_dump();
  EXPECT_TRUE(run->read_screen()->contains(" Bad file name or number ")) << run->last_screen_dump();
  ASSERT_TRUE(run->answer_box("Unhandled Error #52", true)) << run->last_screen_dump();
  reach_the_menu();
}

}  // namespace
}  // namespace e2e
