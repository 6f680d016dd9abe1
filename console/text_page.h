// The text page of the screen: 25 rows of 80 cells, the cursor, the scrolling area,
// the current colours and the 256-entry palette.
//
// The program thread is the only writer. The display thread reads the cells, the
// cursor position and flag, and the palette while the program runs, so those are held
// in relaxed atomics: a frame may show a page in the middle of a write and a later
// frame shows the finished page, and neither side ever waits for the other.
//
// Every change marks the page changed; the first change after the display took the
// changes (`take_changes`) also rings the display's bell, so a display that sleeps
// until the bell misses no change and is rung once per look, not once per cell.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "console/display_bell.h"

namespace console {

inline constexpr int kPageRows = 25;
inline constexpr int kPageColumns = 80;
inline constexpr int kPageCells = kPageRows * kPageColumns;

// One character cell: a code page 437 byte and its colour attribute (bits 0-3
// foreground, 4-6 background, 7 blink).
struct Cell {
  std::uint8_t character = 32;
  std::uint8_t attribute = 7;
  bool operator==(const Cell&) const = default;
};

// The 16 start colours of the palette, opaque ARGB.
extern const std::array<std::uint32_t, 16> START_PALETTE;

// A plain copy of everything a frame shows; also what line input remembers so that
// it can put the page back after a refused keystroke.
struct PageSnapshot {
  std::array<Cell, kPageCells> cells{};
  int cursor_row = 1;
  int cursor_column = 1;
  bool pending_wrap = false;
  bool cursor_visible = false;
};

class TextPage {
 public:
  TextPage();

  // The start state: blanks with attribute 7, cursor at (1, 1) hidden, no pending
  // wrap, scrolling area rows 1 to 24, colours 7 on 0, the 16 start colours.
  void reset();

  // REQUIRES: 1 <= row <= 25, 1 <= column <= 80.
  Cell cell(int row, int column) const;
  void set_cell(int row, int column, Cell value);

  int cursor_row() const { return cursor_row_.load(std::memory_order_relaxed); }
  int cursor_column() const { return cursor_column_.load(std::memory_order_relaxed); }
  void set_cursor(int row, int column);
  bool cursor_visible() const { return cursor_visible_.load(std::memory_order_relaxed); }
  void set_cursor_visible(bool visible) {
    cursor_visible_.store(visible, std::memory_order_relaxed);
    note_change();
  }

  std::uint32_t palette_entry(int entry) const;
  void set_palette_colour(int entry, std::uint32_t argb);
  // Grows by one at every palette change, so that the display redraws every cell.
  // Read before the colours: a frame that sees a new generation sees its colours too.
  std::uint32_t palette_generation() const { return palette_generation_.load(std::memory_order_acquire); }
  void restore_start_palette();

  // Program side: everything, the pending wrap included.
  PageSnapshot snapshot() const;
  // Display side: what a frame shows (the cells, the cursor and its visible flag),
  // read from the shared values only; the pending wrap, the program's own, stays false.
  PageSnapshot shown() const;
  // Puts cells, cursor and pending wrap back as they were (the visible flag too).
  void restore(const PageSnapshot& saved);

  // The bell to ring at the first change after the display's last look (none: no
  // display). REQUIRES: set before the program thread starts.
  void set_bell(DisplayBell* bell) { bell_ = bell; }
  // Display side: whether anything changed since the last call. Call it before reading
  // the page, so that a change made while reading rings again.
  bool take_changes() { return unseen_change_.exchange(false, std::memory_order_acq_rel); }

  // Attribute of a cell written now with the current colours.
  std::uint8_t current_attribute() const;

  // Values read and written by the program thread only.
  bool pending_wrap = false;
  bool just_wrapped = false;
  int scroll_top = 1;
  int scroll_bottom = 24;
  int foreground = 7;  // 0 to 31; 16 and above blink
  int background = 0;  // 0 to 7

 private:
  std::array<std::atomic<std::uint16_t>, kPageCells> cells_;
  std::atomic<int> cursor_row_{1};
  std::atomic<int> cursor_column_{1};
  std::atomic<bool> cursor_visible_{false};
  std::array<std::atomic<std::uint32_t>, 256> palette_;
  std::atomic<std::uint32_t> palette_generation_{0};
  std::atomic<bool> unseen_change_{true};
  DisplayBell* bell_ = nullptr;

  void note_change();
};

}  // namespace console
