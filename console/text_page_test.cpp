#include "console/text_page.h"

#include <gtest/gtest.h>

namespace console {
namespace {

TEST(TextPage, StartsBlankGreyOnBlackWithTheVgaPalette) {
  TextPage page;
  EXPECT_EQ(page.cell(1, 1), (Cell{32, 7}));
  EXPECT_EQ(page.cell(25, 80), (Cell{32, 7}));
  EXPECT_EQ(page.cursor_row(), 1);
  EXPECT_EQ(page.cursor_column(), 1);
  EXPECT_FALSE(page.cursor_visible());
  EXPECT_EQ(page.palette_entry(6), 0xFFAA5500u);
  EXPECT_EQ(page.palette_entry(8), 0xFF555555u);
}

}  // namespace
}  // namespace console
