#include "console/text_page.h"

namespace console {

const std::array<std::uint32_t, 16> START_PALETTE = {
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA,
    0xFFAA5500, 0xFFAAAAAA, 0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF,
    0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF,
};

namespace {

std::uint16_t pack(Cell c) { return static_cast<std::uint16_t>(c.character | (c.attribute << 8)); }
Cell unpack(std::uint16_t v) {
  return Cell{static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
}
int cell_offset(int row, int column) { return (row - 1) * kPageColumns + (column - 1); }

}  // namespace

TextPage::TextPage() { reset(); }

// The exchange orders the change before the mark: a display that takes the mark sees
// the change, and a change after the display's take finds the mark cleared and rings.
void TextPage::note_change() {
  if (!unseen_change_.exchange(true, std::memory_order_acq_rel) && bell_ != nullptr) bell_->ring();
}

void TextPage::reset() {
  for (auto& c : cells_) c.store(pack(Cell{}), std::memory_order_relaxed);
  set_cursor(1, 1);
  set_cursor_visible(false);
  pending_wrap = false;
  just_wrapped = false;
  scroll_top = 1;
  scroll_bottom = 24;
  foreground = 7;
  background = 0;
  for (auto& p : palette_) p.store(0xFF000000, std::memory_order_relaxed);
  restore_start_palette();
}

Cell TextPage::cell(int row, int column) const {
  return unpack(cells_[cell_offset(row, column)].load(std::memory_order_relaxed));
}

void TextPage::set_cell(int row, int column, Cell value) {
  cells_[cell_offset(row, column)].store(pack(value), std::memory_order_relaxed);
  note_change();
}

void TextPage::set_cursor(int row, int column) {
  cursor_row_.store(row, std::memory_order_relaxed);
  cursor_column_.store(column, std::memory_order_relaxed);
  note_change();
}

std::uint32_t TextPage::palette_entry(int entry) const {
  return palette_[entry & 0xFF].load(std::memory_order_relaxed);
}

void TextPage::set_palette_colour(int entry, std::uint32_t argb) {
  palette_[entry & 0xFF].store(argb, std::memory_order_relaxed);
  palette_generation_.fetch_add(1, std::memory_order_release);
  note_change();
}

void TextPage::restore_start_palette() {
  for (int i = 0; i < 16; ++i) palette_[i].store(START_PALETTE[i], std::memory_order_relaxed);
  palette_generation_.fetch_add(1, std::memory_order_release);
  note_change();
}

PageSnapshot TextPage::snapshot() const {
  PageSnapshot s = shown();
  s.pending_wrap = pending_wrap;
  return s;
}

PageSnapshot TextPage::shown() const {
  PageSnapshot s;
  for (int i = 0; i < kPageCells; ++i) s.cells[i] = unpack(cells_[i].load(std::memory_order_relaxed));
  s.cursor_row = cursor_row();
  s.cursor_column = cursor_column();
  s.cursor_visible = cursor_visible();
  return s;
}

void TextPage::restore(const PageSnapshot& saved) {
  for (int i = 0; i < kPageCells; ++i) cells_[i].store(pack(saved.cells[i]), std::memory_order_relaxed);
  set_cursor(saved.cursor_row, saved.cursor_column);
  pending_wrap = saved.pending_wrap;
  set_cursor_visible(saved.cursor_visible);
  note_change();
}

std::uint8_t TextPage::current_attribute() const {
  int attr = (foreground % 16) + 16 * background + (foreground >= 16 ? 128 : 0);
  return static_cast<std::uint8_t>(attr);
}

}  // namespace console
