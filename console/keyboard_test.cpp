#include "console/keyboard.h"

#include <gtest/gtest.h>

#include "console/key_down_test_support.h"
#include "console/screen.h"
#include "console/scripted_host.h"

namespace console {
namespace {

class KeyboardTest : public ::testing::Test {
 protected:
  KeyboardTest() { host.attach(c); }
  void press(const KeyEvent& e) { key_down_handler(e, c.keys, c.flags); }

  ScriptedHost host;
  Console c{host};
};

TEST_F(KeyboardTest, PollGivesNothingOneCharacterOrTwo) {
  EXPECT_EQ(poll_key(c), "");
  press(character('a'));
  EXPECT_EQ(poll_key(c), "a");
  press(special(SpecialKey::Up));
  EXPECT_EQ(poll_key(c), std::string({'\0', '\x48'}));
  EXPECT_EQ(poll_key(c), "");
}

TEST_F(KeyboardTest, SixteenthKeyIsLost) {
  const std::string typed = "abcdefghijklmnop";
  for (char ch : typed) press(character(ch));
  std::string read;
  for (std::string k; !(k = poll_key(c)).empty();) read += k;
  EXPECT_EQ(read, typed.substr(0, 15));
}

TEST_F(KeyboardTest, PollGivesNothingWhileAnErrorIsPending) {
  press(character('a'));
  raise_runtime_error(c.errors, 52);
  EXPECT_EQ(poll_key(c), "");
  c.errors = {};
  EXPECT_EQ(poll_key(c), "a");
}

// The wait for one key takes the keys in the order typed, each typed by the scripted
// host when the program waits with an empty queue, and halts once the script is out.
TEST_F(KeyboardTest, NextKeyWaitsForEachKeyAndHaltsAtTheStop) {
  host.type("q");
  host.type(special(SpecialKey::F1));
  EXPECT_EQ(next_key(c, InputWait::KeyCommand), "q");
  EXPECT_EQ(next_key(c, InputWait::KeyCommand), std::string({'\0', '\x3b'}));
  EXPECT_THROW(next_key(c, InputWait::KeyCommand), ProgramHalt);
  EXPECT_TRUE(c.flags.program_stopped.load());
}

TEST(ErrorBoxText, TitleAndThreeLines) {
  EXPECT_EQ(error_box_title(53), "Unhandled Error #53");
  EXPECT_EQ(error_box_text(7, 53), "Line: 7 (in main module)\nFile not found\nContinue?");
  EXPECT_EQ(error_box_text(12, 99), "Line: 12 (in main module)\nUnprintable error\nContinue?");
}

TEST(ErrorTexts, EveryNumberTheProgramCanMeet) {
  struct Case {
    int number;
    const char* text;
  } cases[] = {
      {2, "Syntax error"}, {4, "Out of DATA"}, {5, "Illegal function call"}, {6, "Overflow"},
      {7, "Out of memory"}, {9, "Subscript out of range"}, {52, "Bad file name or number"},
      {53, "File not found"}, {54, "Bad file mode"}, {55, "File already open"},
      {62, "Input past end of file"}, {68, "Device unavailable"}, {70, "Permission denied"},
      {75, "Path/File access error"}, {76, "Path not found"}, {1, "Unprintable error"},
  };
  for (const auto& k : cases) EXPECT_STREQ(error_text(k.number), k.text) << k.number;
}

TEST_F(KeyboardTest, FirstErrorOfAStepIsReportedOnce) {
  host.answer_boxes({true});
  raise_runtime_error(c.errors, 53);
  raise_runtime_error(c.errors, 52);
  statement_event_check(c, 7);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Unhandled Error #53");
  EXPECT_EQ(host.boxes()[0].text, "Line: 7 (in main module)\nFile not found\nContinue?");
  EXPECT_FALSE(error_pending(c.errors));
  statement_event_check(c, 8);
  EXPECT_EQ(host.boxes().size(), 1u);
}

TEST_F(KeyboardTest, ZeroOrNegativeErrorNumberIsError5) {
  raise_runtime_error(c.errors, 0);
  EXPECT_EQ(c.errors.pending, 5);
  c.errors = {};
  raise_runtime_error(c.errors, -3);
  EXPECT_EQ(c.errors.pending, 5);
}

TEST_F(KeyboardTest, NoInTheErrorBoxEndsTheProgram) {
  host.answer_boxes({false});
  raise_runtime_error(c.errors, 53);
  EXPECT_THROW(statement_event_check(c, 7), ProgramHalt);
  EXPECT_TRUE(c.flags.exit_request.load());
  EXPECT_TRUE(c.flags.program_stopped.load());
}

TEST_F(KeyboardTest, StopFlagHaltsAtTheNextStepCheck) {
  c.flags.stop = true;
  EXPECT_THROW(statement_event_check(c, 1), ProgramHalt);
  EXPECT_TRUE(c.flags.program_stopped.load());
}

TEST_F(KeyboardTest, FatalBoxEndsTheProgram) {
  EXPECT_THROW(raise_fatal_error(c, FatalCause::ShipArraysOutOfMemory), ProgramHalt);
  ASSERT_EQ(host.fatal_boxes().size(), 1u);
  EXPECT_EQ(host.fatal_boxes()[0].title, "Critical Error #1");
  EXPECT_EQ(host.fatal_boxes()[0].text, "Out of memory");
}

TEST_F(KeyboardTest, EndPromptWaitsForAKeyTypedAfterIt) {
  c.page.set_cursor(10, 10);
  // A key typed before the prompt is thrown away; the next one ends the program.
  press(character('x'));
  host.type("y");
  EXPECT_THROW(end_program(c), ProgramHalt);
  EXPECT_EQ(host.keys_left(), 0u);
  EXPECT_TRUE(c.flags.exit_request.load());
  EXPECT_EQ(page_text_line(c.page, 25), "Press any key to continue" + std::string(55, ' '));
  EXPECT_EQ(c.page.cursor_row(), 25);
}

}  // namespace
}  // namespace console
