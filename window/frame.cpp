#include "window/frame.h"

#include "window/font.h"

namespace window {

using console::Cell;
using console::kPageCells;
using console::kPageColumns;
using console::kPageRows;
using console::PageSnapshot;
using console::TextPage;

namespace {

int cursor_index(const PageSnapshot& page) {
  if (page.cursor_row < 1 || page.cursor_row > kPageRows || page.cursor_column < 1 ||
      page.cursor_column > kPageColumns) {
    return -1;
  }
  return (page.cursor_row - 1) * kPageColumns + (page.cursor_column - 1);
}

}  // namespace

FramePalette read_frame_palette(const TextPage& page) {
  FramePalette palette;
  for (int i = 0; i < 16; ++i) palette[i] = page.palette_entry(i);
  return palette;
}

void draw_glyph(std::uint32_t* pixels, int stride, int x, int y, std::uint8_t code,
                std::uint32_t foreground, std::uint32_t background) {
  const std::uint8_t* rows = &VGA_GLYPH_ROWS[code * kGlyphHeight];
  for (int dy = 0; dy < kGlyphHeight; ++dy) {
    std::uint32_t* line = pixels + (y + dy) * stride + x;
    const unsigned bits = rows[dy];
    for (int dx = 0; dx < kGlyphWidth; ++dx) {
      line[dx] = (bits & (0x80u >> dx)) ? foreground : background;
    }
  }
}

void draw_cell(const PageSnapshot& page, const FramePalette& palette, bool phase, int index,
               std::uint32_t* pixels) {
  const Cell cell = page.cells[index];
  const std::uint32_t foreground = palette[cell.attribute & 0x0F];
  const std::uint32_t background = palette[(cell.attribute >> 4) & 0x07];
  const bool hidden = phase && (cell.attribute & 0x80) != 0;
  const int x = (index % kPageColumns) * kGlyphWidth;
  const int y = (index / kPageColumns) * kGlyphHeight;
  draw_glyph(pixels, kFrameWidth, x, y, cell.character, hidden ? background : foreground,
             background);
  if (page.cursor_visible && phase && index == cursor_index(page)) {
    std::uint32_t* line = pixels + (y + kCursorPixelRow) * kFrameWidth + x;
    for (int dx = 0; dx < kGlyphWidth; ++dx) line[dx] = foreground;
  }
}

void draw_frame(const PageSnapshot& page, const FramePalette& palette, bool phase,
                std::uint32_t* pixels) {
  for (int i = 0; i < kPageCells; ++i) draw_cell(page, palette, phase, i, pixels);
}

bool page_blinks(const PageSnapshot& page) {
  if (page.cursor_visible) return true;
  for (const Cell& cell : page.cells) {
    if (cell.attribute & 0x80) return true;
  }
  return false;
}

FrameRenderer::FrameRenderer() : pixels_(kFrameWidth * kFrameHeight, 0xFF000000) {}

void FrameRenderer::update(const PageSnapshot& page, const FramePalette& palette,
                           std::uint32_t palette_generation, bool phase) {
  redrawn_.fill(RowSpan{});
  redrawn_cells_ = 0;
  const bool everything = !drawn_once_ || palette_generation != drawn_generation_;
  const bool phase_changed = phase != drawn_phase_;
  // The cursor's cells count when the cursor moved or its underline came or went.
  const bool old_line = drawn_.cursor_visible && drawn_phase_;
  const bool new_line = page.cursor_visible && phase;
  const bool cursor_changed = old_line != new_line || drawn_.cursor_row != page.cursor_row ||
                              drawn_.cursor_column != page.cursor_column;
  const int old_cursor = cursor_changed ? cursor_index(drawn_) : -1;
  const int new_cursor = cursor_changed ? cursor_index(page) : -1;
  for (int i = 0; i < kPageCells; ++i) {
    const Cell cell = page.cells[i];
    if (everything || !(cell == drawn_.cells[i]) || (phase_changed && (cell.attribute & 0x80)) ||
        i == old_cursor || i == new_cursor) {
      redraw(page, palette, phase, i);
    }
  }
  drawn_ = page;
  drawn_generation_ = palette_generation;
  drawn_phase_ = phase;
  drawn_once_ = true;
  blinks_ = page_blinks(page);
}

void FrameRenderer::redraw(const PageSnapshot& page, const FramePalette& palette, bool phase,
                           int index) {
  draw_cell(page, palette, phase, index, pixels_.data());
  RowSpan& span = redrawn_[index / kPageColumns];
  const int column = index % kPageColumns + 1;
  if (span.first == 0) span.first = column;
  span.last = column;
  ++redrawn_cells_;
}

}  // namespace window
