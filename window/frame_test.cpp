#include "window/frame.h"

#include <gtest/gtest.h>

#include <random>

#include "window/font.h"

namespace window {
namespace {

using namespace console;

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kBlue = 0xFF0000AA;
constexpr std::uint32_t kGrey = 0xFFAAAAAA;
constexpr std::uint32_t kYellow = 0xFFFFFF55;

FramePalette start_palette() {
  FramePalette p;
  for (int i = 0; i < 16; ++i) p[i] = START_PALETTE[i];
  return p;
}

int cell_index(int row, int column) { return (row - 1) * kPageColumns + (column - 1); }

struct Frame {
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kFrameWidth * kFrameHeight, 0);
  std::uint32_t at(int x, int y) const { return pixels[y * kFrameWidth + x]; }
};

Frame full_frame(const PageSnapshot& page, const FramePalette& palette, bool phase) {
  Frame f;
  draw_frame(page, palette, phase, f.pixels.data());
  return f;
}

// Pixel (dx, dy) of cell (row, column).
std::uint32_t cell_pixel(const Frame& f, int row, int column, int dx, int dy) {
  return f.at((column - 1) * 8 + dx, (row - 1) * 16 + dy);
}

TEST(Frame, GlyphPixelsTakeTheForegroundAndTheRestTheBackground) {
  // Yellow (14) on blue (1) is attribute 0x1E. The full block lights every pixel, the
  // blank none, the horizontal line exactly its middle row 7, the vertical line exactly
  // columns 3 and 4.
  struct Case {
    std::uint8_t code;
    bool (*lit)(int dx, int dy);
  } cases[] = {
      {219, [](int, int) { return true; }},
      {32, [](int, int) { return false; }},
      {196, [](int, int dy) { return dy == 7; }},
      {179, [](int dx, int) { return dx == 3 || dx == 4; }},
  };
  for (const auto& c : cases) {
    PageSnapshot page;
    page.cells[cell_index(3, 5)] = Cell{c.code, 0x1E};
    const Frame f = full_frame(page, start_palette(), 0);
    for (int dy = 0; dy < 16; ++dy) {
      for (int dx = 0; dx < 8; ++dx) {
        EXPECT_EQ(cell_pixel(f, 3, 5, dx, dy), c.lit(dx, dy) ? kYellow : kBlue)
            << "code " << int(c.code) << " at " << dx << "," << dy;
      }
    }
    // The neighbours keep the start cell: a blank, grey on black.
    EXPECT_EQ(cell_pixel(f, 3, 4, 7, 8), kBlack);
    EXPECT_EQ(cell_pixel(f, 3, 6, 0, 8), kBlack);
  }
}

TEST(Frame, ColoursComeFromThePaletteAsGiven) {
  PageSnapshot page;
  page.cells[cell_index(1, 1)] = Cell{219, 0x01};  // foreground entry 1
  page.cells[cell_index(1, 2)] = Cell{32, 0x10};   // background entry 1
  FramePalette palette = start_palette();
  palette[1] = 0xFFFFFFFF;
  const Frame f = full_frame(page, palette, 0);
  EXPECT_EQ(cell_pixel(f, 1, 1, 4, 4), 0xFFFFFFFFu);
  EXPECT_EQ(cell_pixel(f, 1, 2, 4, 4), 0xFFFFFFFFu);
}

TEST(Frame, TheBlinkPhaseIsSetInEverySecondPeriodOf256Milliseconds) {
  struct Case {
    int milliseconds;
    bool phase;
  } cases[] = {{0, false},   {255, false}, {256, true},  {511, true},
               {512, false}, {768, true},  {1023, true}, {1024, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(blink_phase_at(std::chrono::milliseconds(c.milliseconds)), c.phase) << c.milliseconds;
  }
}

TEST(Frame, BlinkingCellsHideTheirGlyphWhileThePhaseIsSet) {
  // Attribute 0x87: blink, light grey on black.
  for (const bool phase : {false, true}) {
    PageSnapshot page;
    page.cells[cell_index(10, 40)] = Cell{219, 0x87};
    page.cells[cell_index(10, 41)] = Cell{219, 0x07};  // no blink bit: always shown
    const Frame f = full_frame(page, start_palette(), phase);
    EXPECT_EQ(cell_pixel(f, 10, 40, 2, 9), phase ? kBlack : kGrey) << phase;
    EXPECT_EQ(cell_pixel(f, 10, 41, 2, 9), kGrey) << phase;
  }
}

TEST(Frame, APageBlinksWithAVisibleCursorOrABlinkingCell) {
  PageSnapshot page;
  EXPECT_FALSE(page_blinks(page));
  page.cells[cell_index(25, 80)] = Cell{'x', 0x87};
  EXPECT_TRUE(page_blinks(page));
  page.cells[cell_index(25, 80)] = Cell{'x', 0x07};
  page.cursor_visible = true;
  EXPECT_TRUE(page_blinks(page));
}

TEST(Frame, TheCursorIsAnUnderlineOnRow14WhileVisibleAndInPhase) {
  struct Case {
    bool visible;
    bool phase;
    bool underline;
  } cases[] = {{true, true, true}, {true, false, false}, {false, true, false}};
  for (const auto& c : cases) {
    PageSnapshot page;
    page.cells[cell_index(2, 3)] = Cell{32, 0x70};  // black on light grey
    page.cursor_row = 2;
    page.cursor_column = 3;
    page.cursor_visible = c.visible;
    const Frame f = full_frame(page, start_palette(), c.phase);
    for (int dx = 0; dx < 8; ++dx) {
      EXPECT_EQ(cell_pixel(f, 2, 3, dx, 14), c.underline ? kBlack : kGrey) << c.phase;
      EXPECT_EQ(cell_pixel(f, 2, 3, dx, 13), kGrey);
      EXPECT_EQ(cell_pixel(f, 2, 3, dx, 15), kGrey);
    }
  }
}

TEST(Frame, TheCursorLineShowsOnAHiddenBlinkingGlyphInItsForeground) {
  PageSnapshot page;
  page.cells[cell_index(25, 80)] = Cell{32, 0x9E};  // blink, yellow on blue
  page.cursor_row = 25;
  page.cursor_column = 80;
  page.cursor_visible = true;
  const Frame f = full_frame(page, start_palette(), true);
  EXPECT_EQ(cell_pixel(f, 25, 80, 0, 14), kYellow);
  EXPECT_EQ(f.at(639, 399), kBlue);
}

// Lit rows on column dx of a glyph, or lit columns on row dy.
std::vector<int> lit_rows(std::uint8_t code, int dx) {
  std::vector<int> rows;
  for (int y = 0; y < kGlyphHeight; ++y)
    if (glyph_pixel(code, dx, y)) rows.push_back(y);
  return rows;
}
std::vector<int> lit_columns(std::uint8_t code, int dy) {
  std::vector<int> columns;
  for (int x = 0; x < kGlyphWidth; ++x)
    if (glyph_pixel(code, x, dy)) columns.push_back(x);
  return columns;
}

TEST(Frame, BoxDrawingGlyphsJoinAcrossCellEdges) {
  // A line leaving a cell on one edge enters its neighbour on the same pixels.
  struct Side {
    std::uint8_t first, second;  // left and right, or top and bottom
  };
  const Side across[] = {{196, 196}, {218, 196}, {196, 191}, {195, 196}, {196, 180},
                         {197, 197}, {205, 205}, {201, 205}, {205, 187}, {192, 217}};
  for (const auto& s : across) {
    const auto leaving = lit_rows(s.first, 7);
    EXPECT_FALSE(leaving.empty()) << int(s.first);
    EXPECT_EQ(leaving, lit_rows(s.second, 0)) << int(s.first) << " " << int(s.second);
  }
  const Side down[] = {{179, 179}, {218, 179}, {179, 192}, {194, 179}, {179, 193},
                       {197, 197}, {186, 186}, {201, 186}, {186, 200}, {191, 217}};
  for (const auto& s : down) {
    const auto leaving = lit_columns(s.first, 15);
    EXPECT_FALSE(leaving.empty()) << int(s.first);
    EXPECT_EQ(leaving, lit_columns(s.second, 0)) << int(s.first) << " " << int(s.second);
  }
}

TEST(Frame, AFrameLineOfBoxCharactersIsUnbrokenOnScreen) {
  PageSnapshot page;
  page.cells[cell_index(1, 1)] = Cell{218, 0x07};
  for (int c = 2; c <= 79; ++c) page.cells[cell_index(1, c)] = Cell{196, 0x07};
  page.cells[cell_index(1, 80)] = Cell{191, 0x07};
  page.cells[cell_index(2, 1)] = Cell{179, 0x07};
  page.cells[cell_index(2, 80)] = Cell{179, 0x07};
  const Frame f = full_frame(page, start_palette(), 0);
  for (int x = 4; x <= 635; ++x) EXPECT_EQ(f.at(x, 7), kGrey) << x;  // ─ on row 7
  for (int y = 7; y < 32; ++y) {
    EXPECT_EQ(f.at(3, y), kGrey) << y;    // left edge │ at columns 3, 4
    EXPECT_EQ(f.at(635, y), kGrey) << y;  // right edge
  }
}

TEST(FrameRenderer, RedrawsOnlyChangedCellsAndTheCursorCells) {
  FrameRenderer renderer;
  PageSnapshot page;
  renderer.update(page, start_palette(), 0, false);
  EXPECT_EQ(renderer.redrawn_cells(), kPageCells);

  renderer.update(page, start_palette(), 0, false);
  EXPECT_EQ(renderer.redrawn_cells(), 0);

  page.cells[cell_index(5, 10)] = Cell{'A', 0x07};
  renderer.update(page, start_palette(), 0, false);
  EXPECT_EQ(renderer.redrawn_cells(), 1);
  EXPECT_EQ(renderer.redrawn()[4].first, 10);
  EXPECT_EQ(renderer.redrawn()[4].last, 10);

  page.cursor_row = 7;
  page.cursor_column = 30;
  renderer.update(page, start_palette(), 0, false);
  EXPECT_EQ(renderer.redrawn_cells(), 2);  // old cursor (1, 1), new cursor (7, 30)
  EXPECT_EQ(renderer.redrawn()[0].first, 1);
  EXPECT_EQ(renderer.redrawn()[6].first, 30);
  EXPECT_EQ(renderer.redrawn()[6].last, 30);

  page.cursor_visible = true;
  renderer.update(page, start_palette(), 0, true);  // the underline appears
  EXPECT_EQ(renderer.redrawn_cells(), 1);
  renderer.update(page, start_palette(), 0, false);  // and goes with the phase
  EXPECT_EQ(renderer.redrawn_cells(), 1);
  page.cursor_visible = false;

  page.cells[cell_index(20, 1)] = Cell{'B', 0x87};
  page.cells[cell_index(20, 2)] = Cell{'C', 0x87};
  renderer.update(page, start_palette(), 0, false);
  renderer.update(page, start_palette(), 0, true);  // phase change: the two blinking cells
  EXPECT_EQ(renderer.redrawn_cells(), 2);
  EXPECT_EQ(renderer.redrawn()[19].first, 1);
  EXPECT_EQ(renderer.redrawn()[19].last, 2);

  renderer.update(page, start_palette(), 1, true);  // new palette generation: everything
  EXPECT_EQ(renderer.redrawn_cells(), kPageCells);
}

TEST(FrameRenderer, IncrementalFramesEqualFullFramesAfterRandomChanges) {
  std::mt19937 random(20240601);
  FrameRenderer renderer;
  PageSnapshot page;
  FramePalette palette = start_palette();
  std::uint32_t generation = 0;
  Frame expected;
  for (std::uint64_t count = 0; count < 300; ++count) {
    const int changes = random() % 40;
    for (int i = 0; i < changes; ++i) {
      page.cells[random() % kPageCells] =
          Cell{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random())};
    }
    if (random() % 10 == 0) {
      page.cursor_row = 1 + random() % kPageRows;
      page.cursor_column = 1 + random() % kPageColumns;
    }
    if (random() % 15 == 0) page.cursor_visible = !page.cursor_visible;
    if (random() % 25 == 0) {
      palette[random() % 16] = 0xFF000000u | (random() & 0xFFFFFFu);
      ++generation;
    }
    const bool phase = random() % 3 == 0;
    renderer.update(page, palette, generation, phase);
    draw_frame(page, palette, phase, expected.pixels.data());
    ASSERT_EQ(renderer.pixels(), expected.pixels) << "frame " << count;
  }
}

}  // namespace
}  // namespace window
