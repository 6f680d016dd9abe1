// The real program in its window under a virtual X server: typed at with XTest, read
// back from the window's pixels.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "window/e2e_harness.h"

namespace e2e {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

// A ship design file whose first value asks for no design: the menu follows the load.
const std::map<std::string, std::string> NO_DESIGN = {{"SHIP.DAT", "Design this ship,N\r\n"}};

// The menu's first page as the window shows it.
bool shows_the_menu(const Screen& s) { return s.row(1) == " KESTRAMOND DATA CARD GENERATOR" && s.row(24) == " Ship"; }

// The screen card: its title box from row 1, the box's second rule on row 3 (the card
// drawn at least that far).
bool card_begun(const Screen& s) { return s.lines[0].rfind("\xDA\xC4\xC4\xC2", 0) == 0; }
bool shows_the_card(const Screen& s) { return card_begun(s) && s.lines[2][0] == '\xC3'; }

// The page cell (row, column) of the middle of the box's Yes button, or nothing.
std::optional<std::pair<int, int>> yes_button(const Screen& s) {
  for (int r = 1; r <= 25; ++r) {
    const auto at = s.lines[r - 1].find("[ Yes ]");
    if (at != std::string::npos) return std::pair{r, static_cast<int>(at) + 4};
  }
  return std::nullopt;
}

class Program : public ::testing::Test {
 protected:
  void SetUp() override { start(NO_DESIGN); }

  void start(const std::map<std::string, std::string>& files, const FolderSetup& setup = {},
             const std::vector<std::string>& environment = {}) {
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    run.emplace(display, binary_under_test(DATACARD_BINARY), files, setup, environment);
    ASSERT_TRUE(run->wait_for_window()) << "no window";
  }

  // The menu's first page: the title on row 1, 20 ships, the prompt on row 24.
  void reach_the_menu() { ASSERT_TRUE(run->wait_for_screen(shows_the_menu)) << run->last_screen_dump(); }

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

// Keys read from the window's own X events (Pause) keep their place among the keys
// freeglut delivers, also when they all come at once: each Pause is ended by the 9
// after it, which is not queued, so the prompt shows 1, 2 and 3.
TEST_F(Program, APauseTypedAmongOtherKeysKeepsItsPlace) {
  reach_the_menu();
  run->press_at_once({'1', XK_Pause, '9', '2', XK_Pause, '9', '3'});
  // Whatever the keys did, the last one typed is the 3.
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) { return s.row(24).ends_with('3'); }))
      << run->last_screen_dump();
  EXPECT_EQ(run->read_screen()->row(24), " Ship 123") << run->last_screen_dump();
}

// Ctrl with Backspace or Enter is told from Ctrl+H and Ctrl+M by the key pressed, also
// when it is released before the window reads it: at the prompt Ctrl+Backspace (127)
// and Ctrl+Enter (10) are refused, Ctrl+H (8) takes the 2 away again, and 5 follows.
TEST_F(Program, CtrlWithBackspaceOrEnterIsToldFromCtrlWithALetter) {
  reach_the_menu();
  run->type("12");
  run->press(XK_BackSpace, {XK_Control_L});
  run->press(XK_Return, {XK_Control_L});
  run->press(XK_h, {XK_Control_L});
  run->type("5");
  EXPECT_TRUE(run->wait_for_screen([](const Screen& s) { return s.row(24) == " Ship 15"; }))
      << run->last_screen_dump();
}

// Bursts of keys typed at once while the machine and the X server are busy: several
// copies of the program run together, each in its own X server, where another client
// reads the screen back as fast as it can. Which key gave a control character
// (Ctrl+Backspace 127 and Ctrl+Enter 10, both refused by the prompt, against Ctrl+H 8,
// which takes a character back) and where a Pause stands among the other keys (the key
// after it ends the pause and is not typed) must come out the same at any load.
struct Burst {
  const char* what;
  std::vector<Stroke> keys;
  std::string prompt;  // row 24 after the burst
};

const Burst KEY_BURSTS[] = {
    {"12, Ctrl+Backspace, Ctrl+Enter, Ctrl+H, 5",
     {'1', '2', {XK_BackSpace, {XK_Control_L}}, {XK_Return, {XK_Control_L}}, {XK_h, {XK_Control_L}}, '5'},
     " Ship 15"},
    {"1, Pause, 9, 2, Pause, 9, 3", {'1', XK_Pause, '9', '2', XK_Pause, '9', '3'}, " Ship 123"},
    {"7, Pause, 9, Ctrl+Enter, Ctrl+Backspace, 8",
     {'7', XK_Pause, '9', {XK_Return, {XK_Control_L}}, {XK_BackSpace, {XK_Control_L}}, '8'},
     " Ship 78"},
    // Shift+Alt_R gives Meta_R, which freeglut reports as a special key of its own
    // choosing; it and Super_R type nothing, and Ctrl+Backspace is refused.
    {"1, 2, Shift+Alt_R, Ctrl+Backspace, Super_R, 5",
     {'1', '2', {XK_Alt_R, {XK_Shift_L}}, {XK_BackSpace, {XK_Control_L}}, XK_Super_R, '5'},
     " Ship 125"},
    // Ctrl+Num Lock pauses as Pause does: the 9 after it ends the pause.
    {"1, Ctrl+Num Lock, 9, 2", {'1', {XK_Num_Lock, {XK_Control_L}}, '9', '2'}, " Ship 12"},
    // Shift+Pause is the Pause key (the core keymap gives it as Break): the 7 ends the
    // pause.
    {"1, Shift+Pause, 7, 5", {'1', {XK_Pause, {XK_Shift_L}}, '7', '5'}, " Ship 15"},
};

// The keyboard as Xlib reads it: with XKB, or with the core keymap only, as on an X
// server without the XKEYBOARD extension.
const std::vector<std::string> CORE_KEYMAP = {"XKB_DISABLE=1"};

// Starts the program in an X server of its own that another client keeps busy reading
// the screen back, and gives it to `work`, which returns what went wrong, or nothing.
std::string in_a_busy_display(const std::vector<std::string>& environment,
                              const std::function<std::string(ProgramRun&)>& work) {
  VirtualDisplay display;
  if (!display.ok()) return "Xvfb did not start";
  const ScreenReader reader(display);
  ProgramRun run(display, binary_under_test(DATACARD_BINARY), NO_DESIGN, {}, environment);
  if (!run.wait_for_window()) return "no window";
  const std::string wrong = work(run);
  if (wrong.empty() && reader.reads() == 0) return "the screen reader read nothing";
  return wrong;
}

// How many copies of a test under load run at once.
constexpr int kCopies = 4;

// Runs `copy` kCopies times at once, from threads; every copy must come back with
// nothing wrong.
void expect_every_copy_right(const std::function<std::string(int copy)>& copy) {
  std::vector<std::string> outcomes(kCopies);
  std::vector<std::thread> copies;
  for (int i = 0; i < kCopies; ++i) copies.emplace_back([&outcomes, &copy, i] { outcomes[i] = copy(i); });
  for (auto& c : copies) c.join();
  for (int i = 0; i < kCopies; ++i) EXPECT_TRUE(outcomes[i].empty()) << "copy " << i + 1 << ": " << outcomes[i];
}

// Types every burst `rounds` times at the menu's prompt, taking each burst's digits
// back before the next. Returns what went wrong, or nothing.
std::string type_the_bursts(ProgramRun& run, int rounds) {
  const auto prompt_is = [&run](const std::string& prompt) {
    return run.wait_for_screen([&](const Screen& s) { return s.row(24) == prompt; });
  };
  if (!prompt_is(" Ship")) return "no menu prompt\n" + run.last_screen_dump();
  for (int round = 1; round <= rounds; ++round) {
    for (const Burst& burst : KEY_BURSTS) {
      run.press_at_once(burst.keys);
      if (!prompt_is(burst.prompt)) {
        return "round " + std::to_string(round) + ", " + burst.what + ": not \"" + burst.prompt + "\"\n" +
               run.last_screen_dump();
      }
      const std::size_t digits = burst.prompt.size() - std::string(" Ship ").size();
      run.press_at_once(std::vector<Stroke>(digits, XK_BackSpace));
      if (!prompt_is(" Ship")) return "the digits of " + std::string(burst.what) + " stayed\n" + run.last_screen_dump();
    }
  }
  return "";
}

// Half of the copies read the keyboard with the core keymap.
TEST(ProgramUnderLoad, KeyBurstsComeOutAsTyped) {
  expect_every_copy_right([](int copy) {
    return in_a_busy_display(copy % 2 ? CORE_KEYMAP : std::vector<std::string>{},
                             [](ProgramRun& run) { return type_the_bursts(run, 10); });
  });
}

// Keys the window reads from its own events (Pause, Shift+Tab) keep their place among
// clicks too. At the box of error 9 (2000 chosen at the menu), typed at once:
// - Pause, a click on Yes, 7: the Pause comes while the box is up and does nothing,
//   the click answers the box, and 7 at the output question gives the screen card;
// - Shift+Tab, a click on Yes: Shift+Tab comes while the box is up and does nothing,
//   and the program waits at the output question, where Q then shows the end prompt
//   under the question.
std::string answer_the_boxes_among_keys(ProgramRun& run) {
  const auto burst_at_the_box = [&run](const std::vector<Stroke>& before, const std::vector<Stroke>& after) {
    run.type("2000\n");
    const auto box = run.wait_for_screen([](const Screen& s) { return yes_button(s).has_value(); });
    if (!box) return false;
    const auto [row, column] = *yes_button(*box);
    std::vector<Stroke> strokes = before;
    strokes.push_back(Stroke::click_on(row, column));
    strokes.insert(strokes.end(), after.begin(), after.end());
    run.press_at_once(strokes);
    return true;
  };
  if (!run.wait_for_screen(shows_the_menu)) return "no menu\n" + run.last_screen_dump();
  if (!burst_at_the_box({XK_Pause}, {'7'})) return "no box\n" + run.last_screen_dump();
  if (!run.wait_for_screen([](const Screen& s) { return card_begun(s) && !s.contains(kOutputQuestion); })) {
    return "Pause, a click on Yes, 7: no card\n" + run.last_screen_dump();
  }
  run.type(" ");  // the blank restarts: the menu again
  if (!run.wait_for_screen(shows_the_menu)) return "no menu after the card\n" + run.last_screen_dump();
  if (!burst_at_the_box({{XK_Tab, {XK_Shift_L}}}, {})) return "no second box\n" + run.last_screen_dump();
  run.type("q");
  const auto end = run.wait_for_text("Press any key to continue", 25);
  if (!end || !end->contains(kOutputQuestion) || end->contains("Unhandled Error")) {
    return "Shift+Tab, a click on Yes: not at the output question\n" + run.last_screen_dump();
  }
  run.type("x");
  if (run.wait_for_exit() != 0) return "no end with code 0";
  return "";
}

TEST(ProgramUnderLoad, KeysAndClicksAtABoxComeOutAsTyped) {
  expect_every_copy_right([](int) {
    for (int round = 1; round <= 5; ++round) {
      const std::string wrong = in_a_busy_display({}, answer_the_boxes_among_keys);
      if (!wrong.empty()) return "round " + std::to_string(round) + ": " + wrong;
    }
    return std::string();
  });
}

// With the core keymap Shift+Pause gives the keysym Break, and is still the Pause key:
// the 7 after it ends the pause. Ctrl+Shift+Pause is Ctrl+Break and ends the program.
TEST_F(Program, ShiftPausePausesWithTheCoreKeymapAndCtrlShiftPauseEnds) {
  start(NO_DESIGN, {}, CORE_KEYMAP);
  reach_the_menu();
  run->press_at_once({'1', {XK_Pause, {XK_Shift_L}}, '7', '5'});
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) { return s.row(24).ends_with('5'); }))
      << run->last_screen_dump();
  EXPECT_EQ(run->read_screen()->row(24), " Ship 15") << run->last_screen_dump();
  run->press(XK_Pause, {XK_Control_L, XK_Shift_L});
  EXPECT_EQ(run->wait_for_exit(), 0);
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
  const auto screen = run->wait_for_screen([](const Screen& s) { return yes_button(s).has_value(); });
  ASSERT_TRUE(screen) << run->last_screen_dump();
  const auto [row, column] = *yes_button(*screen);
  run->click(row, column);
  ASSERT_TRUE(run->wait_for_text(kOutputQuestion)) << run->last_screen_dump();
  EXPECT_FALSE(run->read_screen()->contains("Unhandled Error"));
}

// The keys typed right after the key that answers a box reach the program: Y and S
// typed at once answer the box of error 9 and then choose the screen card.
TEST_F(Program, TheKeysTypedAfterABoxAnswerReachTheProgram) {
  reach_the_menu();
  run->type("5000\n");
  ASSERT_TRUE(run->wait_for_text("Unhandled Error #9")) << run->last_screen_dump();
  run->type_at_once("ys");
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) {
    return s.lines[0].rfind("\xDA\xC4\xC4\xC2", 0) == 0 && !s.contains(kOutputQuestion);
  })) << run->last_screen_dump();
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

// Whatever happened before a resize or an expose, the window's next frame shows the
// whole page where the placement puts it: 1920 x 1200 holds the frame at scale 3.
TEST_F(Program, TheFrameAfterAResizeOrAnExposeIsTheWholePage) {
  reach_the_menu();
  run->resize(1920, 1200);
  auto screen = run->wait_for_screen(
      [](const Screen& s) { return s.width == 1920 && shows_the_menu(s); });
  ASSERT_TRUE(screen) << run->last_screen_dump();
  EXPECT_EQ(screen->scale, 3);
  EXPECT_EQ(screen->background[12][40], kWhite);
  EXPECT_EQ(screen->row(3).substr(0, 5), "  1. ");

  run->cover_and_uncover();
  screen = run->wait_for_screen(shows_the_menu);
  ASSERT_TRUE(screen) << run->last_screen_dump();
  EXPECT_EQ(screen->background[12][40], kWhite);
}

// A window smaller than the frame shows the whole frame scaled down to fit, keeping its
// shape, centred on black. 800 x 300: the frame is 480 x 300 from column 160.
TEST_F(Program, ASmallWindowShowsTheWholeFrameScaledDown) {
  reach_the_menu();
  run->resize(800, 300);
  ASSERT_TRUE(run->wait_for_size(800, 300));
  std::vector<std::uint32_t> pixels;
  int width = 0, height = 0;
  // Black on both sides of the frame, and the white page (with its black text) inside.
  const auto scaled_frame = [&] {
    if (!run->read_pixels(pixels, width, height) || width != 800 || height != 300) return false;
    long white = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t p = pixels[y * width + x];
        const bool border = x < 160 || x >= 640;
        if (border && p != kBlack) return false;
        if (!border && p == kWhite) ++white;
      }
    }
    return white > 480 * 300 / 2;
  };
  const auto end = std::chrono::steady_clock::now() + kPatience;
  bool seen = false;
  while (!(seen = scaled_frame()) && std::chrono::steady_clock::now() < end) {
  }
  EXPECT_TRUE(seen) << "the frame does not fill 480 x 300 in the middle of the window";
}

// Windows down to 1 x 1 while the cursor blinks at the prompt, and the screen card drawn
// while the window is small: the program goes on, and Q still ends it with code 0.
TEST_F(Program, WindowsSmallerThanTheFrameKeepTheProgramRunning) {
  reach_the_menu();
  struct Size {
    int width, height;
  } sizes[] = {{320, 200}, {1, 1}, {640, 1}, {1, 400}};
  for (const auto& size : sizes) {
    run->resize(size.width, size.height);
    ASSERT_TRUE(run->wait_for_size(size.width, size.height));
    // Long enough for the cursor to blink twice.
    ASSERT_TRUE(run->stays_running(milliseconds(600))) << size.width << "x" << size.height;
  }
  run->resize(320, 200);
  ASSERT_TRUE(run->wait_for_size(320, 200));
  run->type("1\n");
  run->resize(1, 1);
  ASSERT_TRUE(run->wait_for_size(1, 1));
  run->type("s");
  ASSERT_TRUE(run->stays_running(milliseconds(500)));
  run->resize(640, 400);
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) {
    return s.lines[0].rfind("\xDA\xC4\xC4\xC2", 0) == 0;
  })) << run->last_screen_dump();
  run->type("q");
  ASSERT_TRUE(run->wait_for_text("Press any key to continue", 25)) << run->last_screen_dump();
  run->type("x");
  EXPECT_EQ(run->wait_for_exit(), 0);
}

// Another client destroying the window ends the program, as the close button does.
TEST_F(Program, AWindowDestroyedByAnotherClientEndsTheProgramWithCode0) {
  for (const bool at_a_box : {false, true}) {
    if (at_a_box) start(NO_DESIGN);
    reach_the_menu();
    if (at_a_box) {
      run->type("5000\n");
      ASSERT_TRUE(run->wait_for_text("Unhandled Error #9")) << run->last_screen_dump();
    }
    run->destroy_window();
    EXPECT_EQ(run->wait_for_exit(), 0) << (at_a_box ? "at a box" : "at the prompt");
  }
}

// Ctrl+Break and Ctrl+Scroll Lock end the program from an error box too.
TEST_F(Program, CtrlBreakAndCtrlScrollLockAtAnErrorBoxEndWithCode0) {
  for (const unsigned long key : {XK_Pause, XK_Scroll_Lock}) {
    if (key != XK_Pause) start(NO_DESIGN);
    reach_the_menu();
    run->type("5000\n");
    ASSERT_TRUE(run->wait_for_text("Unhandled Error #9")) << run->last_screen_dump();
    run->press(key, {XK_Control_L});
    EXPECT_EQ(run->wait_for_exit(), 0) << (key == XK_Pause ? "Ctrl+Break" : "Ctrl+Scroll Lock");
  }
}

// SHIP.DAT a pipe whose writer stays open and sends nothing: the program thread sleeps
// in its read, and the close button still ends the program. SHIP.DAT a link to an
// endless source: the thread never reaches a step check, and the close button ends it
// all the same. In neither case would the thread ever let the program end, so an end
// at all shows that the window did not wait for it; how soon it ends is not a test's
// to time (a sanitizer build on a loaded machine takes over a second).
TEST_F(Program, TheCloseButtonEndsAProgramBlockedOrBusyReadingTheDesignFile) {
  int writer = -1;
  start({}, [&](const std::string& folder) {
    const std::string fifo = folder + "/SHIP.DAT";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    writer = open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);  // a writer that never writes
  });
  ASSERT_GE(writer, 0);
  ASSERT_TRUE(run->wait_until_reading(run->folder() + "/SHIP.DAT")) << "the program never reads SHIP.DAT";
  run->close_window();
  EXPECT_EQ(run->wait_for_exit(), 0) << "blocked in the read of a pipe";
  close(writer);

  start({}, [](const std::string& folder) {
    std::filesystem::create_symlink("/dev/zero", folder + "/SHIP.DAT");
  });
  ASSERT_TRUE(run->wait_until_open("/dev/zero")) << "the program never opens SHIP.DAT";
  run->close_window();
  EXPECT_EQ(run->wait_for_exit(), 0) << "busy reading an endless file";
}

// The X server gone: one line on standard error and exit code 1.
TEST(ProgramWithoutItsDisplay, TheLostConnectionEndsWithOneLineAndCode1) {
  VirtualDisplay own;
  ASSERT_TRUE(own.ok()) << "Xvfb did not start";
  ProgramRun run(own, binary_under_test(DATACARD_BINARY), NO_DESIGN);
  ASSERT_TRUE(run.wait_for_window()) << "no window";
  ASSERT_TRUE(run.wait_for_screen([](const Screen& s) { return s.row(24) == " Ship"; }))
      << run.last_screen_dump();
  own.end_server();
  EXPECT_EQ(run.wait_for_exit(), 1);
  const std::string errors = run.stderr_text();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  EXPECT_EQ(errors, "datacard: the connection to the display was lost\n");
}

// The program opens its window on the display that -display names, else on DISPLAY's;
// a display it cannot open is named in the one line on standard error, with exit
// code 1.
TEST(ProgramWithoutItsDisplay, TheWindowOpensOnTheDisplayThatDashDisplayNames) {
  VirtualDisplay own;
  ASSERT_TRUE(own.ok()) << "Xvfb did not start";
  const std::string none = ":64999";  // a display number no server here takes
  struct Case {
    const char* what;
    std::vector<std::string> environment;
    std::vector<std::string> arguments;
    std::string error;  // the line on standard error; none: the menu shows
  } cases[] = {
      {"DISPLAY unset, -display the server", {"DISPLAY"}, {"-display", own.name()}, ""},
      {"DISPLAY no server, -display the server", {"DISPLAY=" + none}, {"-display", own.name()}, ""},
      {"DISPLAY the server, -display no server", {}, {"-display", none},
       "datacard: cannot open the display \"" + none + "\"\n"},
      {"-display without a name", {}, {"-display"}, "datacard: -display is not followed by the name of a display\n"},
      {"DISPLAY unset, no -display", {"DISPLAY"}, {}, "datacard: DISPLAY is not set and no -display names a display\n"},
      {"DISPLAY empty, no -display", {"DISPLAY="}, {},
       "datacard: DISPLAY is not set and no -display names a display\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run(own, binary_under_test(DATACARD_BINARY), NO_DESIGN, {}, c.environment, c.arguments);
    if (c.error.empty()) {
      EXPECT_TRUE(run.wait_for_screen(shows_the_menu)) << c.what << "\n" << run.last_screen_dump();
      run.close_window();
      EXPECT_EQ(run.wait_for_exit(), 0) << c.what;
    } else {
      EXPECT_EQ(run.wait_for_exit(), 1) << c.what;
      EXPECT_EQ(run.stderr_text(), c.error) << c.what;
    }
  }
}

// On a server that resets when its last client leaves (a bare Xvfb) and has no other
// client, the start's check of the display does not leave it before the window's own
// connection is made: every start gets its window and reaches the reading of SHIP.DAT
// (an endless one here, /dev/zero, so the program stays there). A new server for each
// of 48 starts, four copies at once: a server that has reset refuses connections
// meanwhile.
TEST(ProgramWithoutItsDisplay, AServerThatResetsWhenItsLastClientLeavesKeepsTheStart) {
  expect_every_copy_right([](int) {
    for (int start = 1; start <= 48 / kCopies; ++start) {
      VirtualDisplay own(VirtualDisplay::LastClientLeaving::Resets);
      if (!own.ok()) return std::string("Xvfb did not start");
      ProgramRun run(own, binary_under_test(DATACARD_BINARY), {}, [](const std::string& folder) {
        std::filesystem::create_symlink("/dev/zero", folder + "/SHIP.DAT");
      });
      if (!run.wait_until_open("/dev/zero")) {
        return "start " + std::to_string(start) + ": no start, standard error:\n" + run.stderr_text();
      }
    }
    return std::string();
  });
}

// Whether `errors` is one line of the program's own that a start whose display went
// away may end with: the display not opened, the connection lost while the window was
// being made or after it, the window not made (with freeglut's reason, or without one
// when the GL driver or Xlib crashed on the lost connection).
bool is_one_line_of_a_lost_start(const std::string& errors, const std::string& display) {
  const std::string quoted = "\"" + display + "\"";
  const std::string not_made = "datacard: the window could not be made on the display " + quoted;
  if (errors == "datacard: cannot open the display " + quoted + "\n") return true;
  if (errors == "datacard: the connection to the display " + quoted + " was lost while the window was being made\n") {
    return true;
  }
  if (errors == "datacard: the connection to the display was lost\n") return true;
  if (errors == not_made + "\n") return true;
  return errors.rfind(not_made + ": ", 0) == 0 && errors.find('\n') == errors.size() - 1;
}

// The X server killed at moments spread over the start, from before the program
// connects to past its first frame (a start's length measured first on this build),
// closer together early: every run ends, with exit code 1 and one line of the
// program's own, never a hang, a signal or Xlib's or freeglut's lines. Four copies at
// once, each run with its own server.
TEST(ProgramWithoutItsDisplay, TheDisplayKilledAnyMomentOfTheStartEndsWithOneLineAndCode1) {
  using Clock = std::chrono::steady_clock;
  Clock::duration start_length;
  {
    VirtualDisplay own;
    ASSERT_TRUE(own.ok()) << "Xvfb did not start";
    const Clock::time_point launched = Clock::now();
    ProgramRun run(own, binary_under_test(DATACARD_BINARY), NO_DESIGN);
    ASSERT_TRUE(run.wait_for_screen([](const Screen& s) {
      return std::any_of(s.lines.begin(), s.lines.end(),
                         [](const std::string& line) { return line.find_first_not_of(' ') != std::string::npos; });
    })) << "no first frame";
    start_length = Clock::now() - launched;
  }
  constexpr int kMoments = 48;
  expect_every_copy_right([start_length](int copy) {
    for (int moment = copy; moment < kMoments; moment += kCopies) {
      VirtualDisplay own;
      if (!own.ok()) return std::string("Xvfb did not start");
      ProgramRun run(own, binary_under_test(DATACARD_BINARY), NO_DESIGN);
      // Closer together early, where the window is being made.
      const auto delay = start_length * 3 * moment * moment / (2 * kMoments * kMoments);
      std::this_thread::sleep_for(delay);
      own.end_server();
      const std::optional<int> code = run.wait_for_exit();
      const std::string errors = run.stderr_text();
      if (code != 1 || !is_one_line_of_a_lost_start(errors, own.name())) {
        return "killed after " + std::to_string(std::chrono::duration_cast<milliseconds>(delay).count()) +
               " ms: exit " + (code ? std::to_string(*code) : std::string("none (still running)")) +
               ", standard error:\n" + errors;
      }
    }
    return std::string();
  });
}

// freeglut's own fatal error (here: -indirect asks for an indirect GL context, which
// the virtual server does not offer) ends the start with the program's one line,
// freeglut's reason after the display's name, and exit code 1.
TEST(ProgramWithoutItsDisplay, AFatalErrorOfFreeglutEndsWithOneLineAndCode1) {
  VirtualDisplay own;
  ASSERT_TRUE(own.ok()) << "Xvfb did not start";
  ProgramRun run(own, binary_under_test(DATACARD_BINARY), NO_DESIGN, {}, {}, {"-indirect"});
  EXPECT_EQ(run.wait_for_exit(), 1);
  const std::string errors = run.stderr_text();
  ASSERT_EQ(errors.rfind("datacard: the window could not be made on the display \"" + own.name() + "\": ", 0), 0u)
      << errors;
  EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line, and its end: " << errors;
}

// OpenGL too old for the window (Mesa told to offer 1.1): one line on standard error
// and exit code 1. freeglut closes its window and connection at the exit, after the
// window's own parts are gone; nothing of theirs may be written to then, which a
// sanitizer build of the binary reports on standard error.
TEST(ProgramWithoutItsDisplay, NoUsableOpenGLEndsWithOneLineAndCode1) {
  VirtualDisplay own;
  ASSERT_TRUE(own.ok()) << "Xvfb did not start";
  ProgramRun run(own, binary_under_test(DATACARD_BINARY), NO_DESIGN, {}, {"MESA_GL_VERSION_OVERRIDE=1.1"});
  EXPECT_EQ(run.wait_for_exit(), 1);
  EXPECT_EQ(run.stderr_text(), "datacard: the display has no usable OpenGL for the window\n");
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
  const auto card = run->wait_for_screen(shows_the_card);
  ASSERT_TRUE(card) << run->last_screen_dump();
  EXPECT_FALSE(card->contains(kOutputQuestion));
  run->type(" ");  // the blank restarts: the menu again
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) {
    return s.row(1) == " KESTRAMOND DATA CARD GENERATOR" && s.row(24) == " Ship";
  })) << run->last_screen_dump();
}

// A page that changes whole reaches the window in one piece: read back as fast as the
// harness can while the card replaces the output question, no read shows the card's
// top over the rest of the old page. Ten cards, each after a restart.
TEST_F(Program, APageChangedWholeReachesTheWindowInOnePiece) {
  for (int card = 1; card <= 10; ++card) {
    reach_the_output_question();
    run->type("s");
    const auto end = std::chrono::steady_clock::now() + kPatience;
    std::optional<Screen> s;
    while (std::chrono::steady_clock::now() < end && run->running()) {
      s = run->read_screen();
      if (!s || !card_begun(*s)) continue;
      ASSERT_FALSE(s->contains(kOutputQuestion)) << "card " << card << "\n" << s->dump();
      if (shows_the_card(*s)) break;
    }
    ASSERT_TRUE(s && shows_the_card(*s)) << "card " << card << "\n" << run->last_screen_dump();
    run->type(" ");  // the blank restarts: the menu again
  }
}

class ProgramWithoutDesignFile : public Program {
 protected:
  void SetUp() override { start({}); }
};

// Without SHIP.DAT the start shows two error boxes, 53 and then 52, and after two Yes
// the menu follows. The first box comes right after the clear that follows the list's
// echo, and is shown over the cleared page.
TEST_F(ProgramWithoutDesignFile, TwoErrorBoxesThenTheMenu) {
  const auto box = run->wait_for_text("Unhandled Error #53");
  ASSERT_TRUE(box) << run->last_screen_dump();
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(box->row(r), "") << box->dump();
  EXPECT_TRUE(run->read_screen()->contains(" File not found ")) << run->last_screen_dump();
  ASSERT_TRUE(run->answer_box("Unhandled Error #53", true)) << run->last_screen_dump();
  ASSERT_TRUE(run->wait_for_text("Unhandled Error #52")) << run->last_screen_dump();
  EXPECT_TRUE(run->read_screen()->contains(" Bad file name or number ")) << run->last_screen_dump();
  ASSERT_TRUE(run->answer_box("Unhandled Error #52", true)) << run->last_screen_dump();
  reach_the_menu();
}

}  // namespace
}  // namespace e2e
