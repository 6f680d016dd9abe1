#include "console/number_input.h"

#include <gtest/gtest.h>

#include "console/scripted_host.h"
#include "console/screen.h"

namespace console {
namespace {

class NumberInputTest : public ::testing::Test {
 protected:
  NumberInputTest() { host.attach(c); }
  std::string row(int r) {
    return page_text_row(c.page, r);
  }

  ScriptedHost host;
  Console c{host};
};

TEST_F(NumberInputTest, TypedLinesAndTheirValues) {
  struct Case {
    const char* keys;
    const char* shown;
    float value;
  } cases[] = {
      {"12\r", " Ship 12", 12},
      {"1a\r", " Ship 1", 1},       // the letter is refused
      {"05\r", " Ship 0", 0},       // a digit after a leading zero is refused
      {"0.5\r", " Ship 0.5", 0.5f},
      {"\r", " Ship", 0},
      {"-\r", " Ship -", 0},
      {"12\b3\r", " Ship 13", 13},
      {"\b\b7\r", " Ship 7", 7},    // Backspace on an empty line changes nothing
      {"4\t5\r", " Ship 45", 45},   // Tab types blanks, which are refused
      {"+3\r", " Ship 3", 3},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.keys);
    c.page.reset();
    host.type(k.keys);
    EXPECT_EQ(input_keyboard(c, " Ship ", false), k.value);
    EXPECT_EQ(row(1), k.shown);
    EXPECT_EQ(c.page.cursor_row(), 2);
    EXPECT_EQ(c.page.cursor_column(), 1);
  }
}

TEST_F(NumberInputTest, NineDigitsWithAPointAreRefusedAtTheNinth) {
  host.type("1234.56789\r");
  EXPECT_EQ(input_keyboard(c, " Ship ", false), 1234.5678f);
  EXPECT_EQ(row(1), " Ship 1234.5678");
  host.type("123456789\r");
  EXPECT_EQ(input_keyboard(c, " Ship ", false), 123456789.0f);
}

TEST_F(NumberInputTest, QuestionFormPrintsTheQuestionMarkAfterThePrompt) {
  host.type("3\r");
  input_keyboard(c, " Ship ", true);
  EXPECT_EQ(row(1), " Ship ? 3");
}

TEST_F(NumberInputTest, ArrowAndFunctionKeysDoNothing) {
  host.type(KeyEvent{0, SpecialKey::Up});
  host.type(KeyEvent{0, SpecialKey::F1});
  host.type("8\r");
  EXPECT_EQ(input_keyboard(c, " Ship ", false), 8);
  EXPECT_EQ(row(1), " Ship 8");
}

TEST_F(NumberInputTest, BackspaceUndoesAWrapIntoTheNextRowAndAScroll) {
  move_cursor(c, 24, 1);
  const std::string prompt(74, 'P');
  host.type("1234567\b\b\r");
  EXPECT_EQ(input_keyboard(c, prompt, false), 12345);
  // "123456" filled the row to column 80 and the 7 wrapped, scrolling the screen;
  // Backspace put the screen back as it was, and only the line end of Enter scrolled.
  EXPECT_EQ(row(22), "");
  EXPECT_EQ(row(23), std::string(74, 'P') + "12345");
  EXPECT_EQ(row(24), "");
}

TEST_F(NumberInputTest, CursorIsShownOnlyWhileTheLineIsTyped) {
  EXPECT_FALSE(c.page.cursor_visible());
  host.type("1\r");
  input_keyboard(c, " Ship ", false);
  EXPECT_FALSE(c.page.cursor_visible());
}

TEST_F(NumberInputTest, DoesNothingWhileAnErrorIsPending) {
  // Like every console operation: no prompt, no wait for keys, the value 0.
  raise_runtime_error(c.errors, 62);
  host.type("5\r");
  EXPECT_EQ(input_keyboard(c, " Ship ", true), 0.0f);
  EXPECT_EQ(row(1), "");
  EXPECT_EQ(c.page.cursor_row(), 1);
  EXPECT_EQ(c.page.cursor_column(), 1);
  EXPECT_FALSE(c.page.cursor_visible());
  EXPECT_EQ(c.errors.pending, 62);
  EXPECT_FALSE(c.flags.program_stopped.load());
}

TEST_F(NumberInputTest, StopFlagEndsTheWait) {
  c.flags.stop = true;
  EXPECT_THROW(input_keyboard(c, " Ship ", false), ProgramHalt);
  EXPECT_TRUE(c.flags.program_stopped.load());
}

}  // namespace
}  // namespace console
