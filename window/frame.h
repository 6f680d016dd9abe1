// Drawing the text page as pixels: the display frame of 640 x 400 ARGB pixels in
// which cell (r, c) covers x = 8 (c - 1) .. 8 c - 1 and y = 16 (r - 1) .. 16 r - 1.
//
// Glyph pixels take the palette colour of the cell's foreground, the rest that of its
// background. The blink phase changes every 256 ms; while it is set, cells with the
// blink bit hide their glyph, and a visible cursor is an underline on pixel row 14 of
// its cell in the cell's foreground colour.
//
// Nothing here knows about a window: the frame is a plain pixel array that the window
// uploads, and the incremental renderer says which cells it redrew.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include "console/text_page.h"

namespace window {

inline constexpr int kFrameWidth = 640;
inline constexpr int kFrameHeight = 400;
inline constexpr int kCursorPixelRow = 14;

// The 16 colours the page can show, in palette order.
using FramePalette = std::array<std::uint32_t, 16>;

// Entries 0 to 15 of the page's palette as they are now.
FramePalette read_frame_palette(const console::TextPage& page);

inline constexpr std::chrono::milliseconds kBlinkPhase{256};

// The blink phase at a time counted from the display's start: set in every second
// period of 256 ms, from the second on.
inline bool blink_phase_at(std::chrono::milliseconds since_start) {
  return (since_start / kBlinkPhase) % 2 == 1;
}

// Draws glyph `code` with its top left pixel at (x, y) of a buffer `stride` pixels
// wide. REQUIRES: the 8 x 16 pixels lie inside the buffer.
void draw_glyph(std::uint32_t* pixels, int stride, int x, int y, std::uint8_t code,
                std::uint32_t foreground, std::uint32_t background);

// Draws cell `index` (row-major, 0 to 1999) of the page as the frame rules say.
// REQUIRES: `pixels` holds 640 x 400 values.
void draw_cell(const console::PageSnapshot& page, const FramePalette& palette, bool blink_phase,
               int index, std::uint32_t* pixels);

// The whole frame. REQUIRES: `pixels` holds 640 x 400 values.
void draw_frame(const console::PageSnapshot& page, const FramePalette& palette, bool blink_phase,
                std::uint32_t* pixels);

// Whether the page shows anything that the blink phase changes: a visible cursor or a
// cell with the blink bit.
bool page_blinks(const console::PageSnapshot& page);

// The columns of one text row that the last update redrew: first..last (1-based), or
// none when first is 0.
struct RowSpan {
  int first = 0;
  int last = 0;
};

// Keeps the frame as last drawn and redraws only what changed: the cells whose bytes
// changed, the blinking cells when the blink phase changed, the old and the new cursor
// cell when the cursor moved or its underline came or went, and every cell after a
// palette change (a new palette generation). The first update draws everything; an
// update that finds nothing changed redraws nothing.
class FrameRenderer {
 public:
  FrameRenderer();

  void update(const console::PageSnapshot& page, const FramePalette& palette,
              std::uint32_t palette_generation, bool blink_phase);

  const std::vector<std::uint32_t>& pixels() const { return pixels_; }
  // The cells of each text row redrawn by the last update, rows 1 to 25 at 0 to 24.
  const std::array<RowSpan, console::kPageRows>& redrawn() const { return redrawn_; }
  int redrawn_cells() const { return redrawn_cells_; }
  // Whether the page last drawn changes with the blink phase (page_blinks).
  bool blinks() const { return blinks_; }

 private:
  void redraw(const console::PageSnapshot& page, const FramePalette& palette, bool blink_phase,
              int index);

  std::vector<std::uint32_t> pixels_;
  console::PageSnapshot drawn_;
  std::uint32_t drawn_generation_ = 0;
  bool drawn_phase_ = false;
  bool drawn_once_ = false;
  std::array<RowSpan, console::kPageRows> redrawn_{};
  int redrawn_cells_ = 0;
  bool blinks_ = false;
};

}  // namespace window
