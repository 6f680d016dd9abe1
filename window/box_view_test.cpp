#include "window/box_view.h"

#include <gtest/gtest.h>

namespace window {
namespace {

std::string box_row(const BoxView& box, int row) {
  std::string s;
  for (int c = 0; c < box.columns; ++c) s += static_cast<char>(box.at(row, c).code);
  return s;
}

TEST(BoxView, TheErrorBoxIsCentredWithItsTitleLinesAndButtons) {
  const BoxView box = lay_out_box("Unhandled Error #53",
                                  "Line: 7 (in main module)\nFile not found\nContinue?", true);
  // The widest line has 24 characters: 24 + 2 blanks + 2 edges = 28 columns, centred
  // from column 27; 3 lines + 6 = 9 rows, centred from row 9.
  EXPECT_EQ(box.columns, 28);
  EXPECT_EQ(box.rows, 9);
  EXPECT_EQ(box.left, 27);
  EXPECT_EQ(box.top, 9);
  const std::string rows[] = {
      "\xC9" + std::string(26, '\xCD') + "\xBB",
      "\xBA   Unhandled Error #53    \xBA",
      "\xC7" + std::string(26, '\xC4') + "\xB6",
      "\xBA Line: 7 (in main module) \xBA",
      "\xBA File not found           \xBA",
      "\xBA Continue?                \xBA",
      "\xBA                          \xBA",
      "\xBA     [ Yes ]   [ No ]     \xBA",
      "\xC8" + std::string(26, '\xCD') + "\xBC",
  };
  for (int r = 0; r < 9; ++r) EXPECT_EQ(box_row(box, r), rows[r]) << r;
}

TEST(BoxView, ButtonsAnswerWhereTheyAre) {
  const BoxView box = lay_out_box("Unhandled Error #52", "Line: 8 (in main module)\nBad file name or number\nContinue?", true);
  // "[ Yes ]" sits at box columns 6..12, "[ No ]" at 16..21, on box row 7 (page row 16).
  struct Case {
    int row, column;
    std::optional<bool> answer;
  } cases[] = {{16, 27 + 6, true}, {16, 27 + 12, true}, {16, 27 + 13, std::nullopt},
               {16, 27 + 16, false}, {16, 27 + 21, false}, {16, 27 + 22, std::nullopt},
               {15, 27 + 8, std::nullopt}, {1, 1, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(button_at(box, c.row, c.column), c.answer) << c.column;
}

TEST(BoxView, TheFatalBoxHasOneOkButton) {
  const BoxView box = lay_out_box("Critical Error #1", "Out of memory", false);
  EXPECT_EQ(box.rows, 7);
  EXPECT_EQ(box.columns, 21);  // the title's 17 characters + 4
  ASSERT_EQ(box.buttons.size(), 1u);
  EXPECT_TRUE(box.buttons[0].answer);
  EXPECT_EQ(box_row(box, 5), "\xBA      [ OK ]       \xBA");
}

TEST(BoxView, KeysAnswerTheBox) {
  struct Case {
    unsigned char key;
    bool yes_no;
    std::optional<bool> answer;
  } cases[] = {{'y', true, true},  {'Y', true, true},   {13, true, true},          {'n', true, false},
               {'N', true, false}, {27, true, false},   {'x', true, std::nullopt}, {' ', true, std::nullopt},
               {13, false, true},  {' ', false, true},  {'o', false, true},        {'n', false, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(answer_for_key(c.key, c.yes_no), c.answer) << int(c.key);
}

TEST(BoxView, TheBoxKeepsItsOwnColoursWhateverThePalette) {
  const BoxView box = lay_out_box("T", "x", true);
  EXPECT_EQ(box.at(3, 2).foreground, 0xFF000000u);
  EXPECT_EQ(box.at(3, 2).background, 0xFFAAAAAAu);
  EXPECT_EQ(box.at(1, 2).background, 0xFF0000AAu);  // the title bar
  const std::vector<std::uint32_t> pixels = draw_box(box);
  ASSERT_EQ(pixels.size(), static_cast<std::size_t>(box.columns * 8 * box.rows * 16));
  EXPECT_EQ(pixels[(3 * 16 + 1) * box.columns * 8 + 2 * 8], 0xFFAAAAAAu);  // blank top of 'x'
}

}  // namespace
}  // namespace window
