#include "console/screen.h"

#include <gtest/gtest.h>

#include <vector>

#include "console/scripted_host.h"

namespace console {
namespace {

class ScreenTest : public ::testing::Test {
 protected:
  ScreenTest() { host.attach(c); }

  // The 80 characters of a row as written (code page 437 bytes).
  std::string row(int r) const {
    std::string s;
    for (int col = 1; col <= kPageColumns; ++col) s += static_cast<char>(c.page.cell(r, col).character);
    return s;
  }
  void expect_cursor(int r, int col) const {
    EXPECT_EQ(c.page.cursor_row(), r);
    EXPECT_EQ(c.page.cursor_column(), col);
  }
  // Writes a distinct marker on rows 1 to 24 so that scrolling can be seen.
  void number_rows() {
    for (int r = 1; r <= 24; ++r) {
      move_cursor(c, r, 1);
      print_to_screen(c, "row" + std::to_string(r), false);
    }
  }

  ScriptedHost host;
  Console c{host};
};

std::string padded(const std::string& s) { return s + std::string(kPageColumns - s.size(), ' '); }

TEST_F(ScreenTest, FullRowWithoutLineEndLeavesTheWrapPending) {
  move_cursor(c, 5, 1);
  print_to_screen(c, std::string(80, '='), false);
  expect_cursor(5, 80);
  EXPECT_TRUE(c.page.pending_wrap);
  print_to_screen(c, "X", false);
  EXPECT_EQ(c.page.cell(6, 1).character, 'X');
  expect_cursor(6, 2);
}

TEST_F(ScreenTest, PendingWrapAndLineEndTogetherAdvanceOneRow) {
  move_cursor(c, 5, 1);
  print_to_screen(c, std::string(80, '='), false);
  print_to_screen(c, "", true);
  expect_cursor(6, 1);
  EXPECT_FALSE(c.page.pending_wrap);
}

TEST_F(ScreenTest, FullRowWithLineEndMovesDownExactlyOneRow) {
  move_cursor(c, 5, 1);
  print_to_screen(c, std::string(80, '='), true);
  expect_cursor(6, 1);
  // An empty line written next is a row of its own.
  print_to_screen(c, "", true);
  expect_cursor(7, 1);
}

TEST_F(ScreenTest, EmptyTextWithoutLineEndKeepsTheWrapPending) {
  print_to_screen(c, std::string(80, '='), false);
  print_to_screen(c, "", false);
  EXPECT_TRUE(c.page.pending_wrap);
  expect_cursor(1, 80);
}

TEST_F(ScreenTest, WriteEndingInColumn80OfRow24ScrollsOnlyWithTheNextWrite) {
  number_rows();
  move_cursor(c, 24, 1);
  print_to_screen(c, std::string(80, '#'), false);
  EXPECT_EQ(row(1), padded("row1"));
  print_to_screen(c, "next", false);
  EXPECT_EQ(row(1), padded("row2"));
  EXPECT_EQ(row(23), std::string(80, '#'));
  EXPECT_EQ(row(24), padded("next"));
  expect_cursor(24, 5);
}

TEST_F(ScreenTest, LineEndOnRows24And25ScrollsRows1To24) {
  for (int start_row : {24, 25}) {
    SCOPED_TRACE(start_row);
    c.page.reset();
    number_rows();
    move_cursor(c, 25, 1);
    print_to_screen(c, "bottom", false);
    move_cursor(c, start_row, 1);
    print_to_screen(c, "", true);
    expect_cursor(24, 1);
    EXPECT_EQ(row(1), padded("row2"));
    EXPECT_EQ(row(23), padded("row24"));
    EXPECT_EQ(row(24), std::string(80, ' '));
    EXPECT_EQ(row(25), padded("bottom"));
  }
}

TEST_F(ScreenTest, ScrolledRowIsFilledInTheCurrentColours) {
  set_text_colours(c, 0, 1);
  move_cursor(c, 24, 1);
  print_to_screen(c, "", true);
  EXPECT_EQ(c.page.cell(24, 40), (Cell{32, 0x10}));
  EXPECT_EQ(c.page.cell(23, 40), (Cell{32, 7}));
}

TEST_F(ScreenTest, DirectItemIsFittedButScreenDeviceTextWrapsInside) {
  move_cursor(c, 3, 76);
  print_screen_item(c, "ABCDEF");
  EXPECT_EQ(row(4).substr(0, 6), "ABCDEF");
  EXPECT_EQ(row(3), std::string(80, ' '));

  move_cursor(c, 10, 76);
  print_to_screen(c, "ABCDEF", false);
  EXPECT_EQ(row(10).substr(75), "ABCDE");
  EXPECT_EQ(row(11).substr(0, 1), "F");
  expect_cursor(11, 2);
}

TEST_F(ScreenTest, FitRuleLeavesItemsThatFitAndColumnOneAlone) {
  struct Case {
    int column;
    std::size_t length;
    int expected_row;
  } cases[] = {
      {75, 6, 2},   // 75 + 6 - 1 = 80: fits
      {76, 6, 3},   // passes column 80: new line first
      {1, 100, 2},  // column 1: never moved, wraps inside
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.column);
    move_cursor(c, 2, k.column);
    print_wrap_check(c, std::string(k.length, 'x'));
    EXPECT_EQ(c.page.cursor_row(), k.expected_row);
  }
}

TEST_F(ScreenTest, ColumnSkips) {
  struct Case {
    int column;
    long long n;
    bool numbered;
    std::string expected;
  } cases[] = {
      {1, 90, false, std::string(10, ' ')},
      {75, 10, false, "\r" + std::string(4, ' ')},
      {71, 10, false, std::string(10, ' ')},
      {1, 90, true, std::string(90, ' ')},
      {75, 10, true, std::string(10, ' ')},
      {1, -3, false, ""},
      {1, -3, true, ""},
      {1, 32767, true, std::string(32767, ' ')},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.n);
    move_cursor(c, 1, k.column);
    EXPECT_EQ(column_skip_blanks(c, k.n, k.numbered), k.expected);
    EXPECT_FALSE(error_pending(c.errors));
  }
}

TEST_F(ScreenTest, ColumnSkipOutOfRangeRaisesError7) {
  for (long long n : {32768LL, -32769LL}) {
    c.errors = {};
    EXPECT_EQ(column_skip_blanks(c, n, true), "");
    EXPECT_EQ(c.errors.pending, 7);
  }
}

TEST_F(ScreenTest, CursorMoves) {
  struct Case {
    long row, column;
    int error;
  } cases[] = {
      {25, 1, 0}, {1, 80, 0}, {24, 81, 5}, {0, 1, 5}, {26, 1, 5}, {3, 0, 5},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.row * 100 + k.column);
    c.errors = {};
    c.page.set_cursor(7, 7);
    move_cursor(c, k.row, k.column);
    EXPECT_EQ(c.errors.pending, k.error);
    if (k.error == 0) {
      expect_cursor(k.row, k.column);
    } else {
      expect_cursor(7, 7);
    }
  }
}

TEST_F(ScreenTest, ColoursBeforeAndAfterTheFirstClear) {
  set_palette_entry(c, 1, make_argb_colour(255, 255, 255));
  set_text_colours(c, 0, 1);
  print_to_screen(c, "Hi", false);
  EXPECT_EQ(c.page.cell(1, 1), (Cell{'H', 0x10}));
  EXPECT_EQ(c.page.cell(1, 3), (Cell{32, 7}));  // not written yet: still the start colours
  EXPECT_EQ(c.page.cell(25, 80), (Cell{32, 7}));
  clear_screen(c);
  for (int r : {1, 24, 25}) EXPECT_EQ(c.page.cell(r, 80), (Cell{32, 0x10}));
  expect_cursor(1, 1);
  EXPECT_EQ(c.page.palette_entry(1), 0xFFFFFFFFu);
}

TEST_F(ScreenTest, ColourArguments) {
  EXPECT_EQ(make_argb_colour(-5, 300, 128), 0xFF00FF80u);
  set_text_colours(c, 20, 11);  // blink, background stored mod 8
  EXPECT_EQ(c.page.current_attribute(), 4 + 16 * 3 + 128);
  set_text_colours(c, 32, 0);
  EXPECT_EQ(c.errors.pending, 5);
  EXPECT_EQ(c.page.foreground, 20);
  c.errors = {};
  set_text_colours(c, 0, 16);
  EXPECT_EQ(c.errors.pending, 5);
  c.errors = {};
  set_palette_entry(c, 256, 0);
  EXPECT_EQ(c.errors.pending, 5);
  c.errors = {};
  set_palette_entry(c, 255, 0xFF123456);
  EXPECT_EQ(c.page.palette_entry(255), 0xFF123456u);
  EXPECT_FALSE(error_pending(c.errors));
}

TEST_F(ScreenTest, ClearKeepsAPendingWrap) {
  print_to_screen(c, std::string(80, '='), false);
  clear_screen(c);
  print_to_screen(c, "A", false);
  EXPECT_EQ(c.page.cell(2, 1).character, 'A');

  print_to_screen(c, std::string(79, '='), false);  // ends in column 80 of row 2
  clear_screen(c);
  move_cursor(c, 1, 1);
  print_to_screen(c, "B", false);
  EXPECT_EQ(c.page.cell(1, 1).character, 'B');
}

TEST_F(ScreenTest, ControlBytes) {
  struct Case {
    const char* name;
    int row, column;
    std::string text;
    int expected_row, expected_column;
  } cases[] = {
      {"tab from column 1", 3, 1, "\t", 3, 9},
      {"tab from column 8", 3, 8, "\t", 3, 9},
      {"tab from column 9", 3, 9, "\t", 3, 17},
      {"tab from column 73, text after it", 3, 73, "\tx", 4, 2},
      {"CR then LF: two new lines", 3, 5, "\r\n", 5, 1},
      {"11: top of the area", 9, 9, "\x0b", 1, 1},
      {"28: right", 3, 5, "\x1c", 3, 6},
      {"28: right from column 80", 3, 80, "\x1c", 4, 1},
      {"28: right from column 80 of row 24", 24, 80, "\x1c", 24, 80},
      {"28: right from column 80 of row 25", 25, 80, "\x1c", 25, 80},
      {"29: left from column 1", 3, 1, "\x1d", 2, 80},
      {"29: left from column 1 of the top row", 1, 1, "\x1d", 1, 1},
      {"29: left from column 1 of row 25", 25, 1, "\x1d", 25, 1},
      {"30: up", 3, 5, "\x1e", 2, 5},
      {"30: up from the top row", 1, 5, "\x1e", 1, 5},
      {"30: up from row 25", 25, 5, "\x1e", 25, 5},
      {"31: down", 3, 5, "\x1f", 4, 5},
      {"31: down from row 24", 24, 5, "\x1f", 24, 5},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    c.page.reset();
    move_cursor(c, k.row, k.column);
    print_to_screen(c, k.text, false);
    expect_cursor(k.expected_row, k.expected_column);
  }
}

TEST_F(ScreenTest, TabDrawsBlanksAndOtherLowBytesAreGlyphs) {
  move_cursor(c, 2, 1);
  print_to_screen(c, "xxxxxxxxxx", false);
  move_cursor(c, 2, 3);
  print_to_screen(c, "\t\x01\x08\x1b", false);
  EXPECT_EQ(row(2).substr(0, 12), std::string("xx      \x01\x08\x1b ", 12));
  expect_cursor(2, 12);
}

TEST_F(ScreenTest, TabReachingColumn80WithNothingAfterItLeavesTheWrapPending) {
  move_cursor(c, 3, 75);
  print_to_screen(c, "\t", false);
  expect_cursor(3, 80);
  EXPECT_TRUE(c.page.pending_wrap);
}

TEST_F(ScreenTest, FormFeedClearsAndBellPauses) {
  print_to_screen(c, "abc", false);
  print_to_screen(c, "\x0c", false);
  EXPECT_EQ(row(1), std::string(80, ' '));
  expect_cursor(1, 1);
  print_to_screen(c, "\a", false);
  expect_cursor(1, 1);
  EXPECT_EQ(c.page.cell(1, 1).character, ' ');
}

TEST_F(ScreenTest, EndPromptAreaScrollsRow25Alone) {
  number_rows();
  move_cursor(c, 25, 1);
  print_to_screen(c, "old text", false);
  set_text_colours(c, 0, 1);
  set_scroll_area(c, 25, 25);
  expect_cursor(25, 1);
  print_to_screen(c, "", true);
  expect_cursor(25, 1);
  EXPECT_EQ(c.page.cell(25, 1), (Cell{32, 0x10}));
  EXPECT_EQ(row(1), padded("row1"));
}

TEST_F(ScreenTest, ScrollAreaArguments) {
  struct Case {
    long top, bottom;
    int error;
  } cases[] = {{1, 24, 0}, {25, 25, 0}, {0, 24, 5}, {10, 9, 5}, {1, 26, 5}, {26, 26, 5}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.top * 100 + k.bottom);
    c.errors = {};
    set_scroll_area(c, k.top, k.bottom);
    EXPECT_EQ(c.errors.pending, k.error);
  }
}

TEST_F(ScreenTest, NothingHappensWhileAnErrorIsPending) {
  raise_runtime_error(c.errors, 53);
  print_to_screen(c, "lost", true);
  clear_screen(c);
  move_cursor(c, 5, 5);
  EXPECT_EQ(row(1), std::string(80, ' '));
  expect_cursor(1, 1);
  EXPECT_EQ(column_skip_blanks(c, 5, true), "");
  EXPECT_EQ(c.errors.pending, 53);
}

TEST_F(ScreenTest, PageTextShowsBoxDrawingAsUnicode) {
  print_to_screen(c, "\xDA\xC4\xBF\xB3", false);
  EXPECT_EQ(page_text_line(c.page, 1).substr(0, 12), "┌─┐│");
}

}  // namespace
}  // namespace console
