#include "console/screen.h"

#include <algorithm>

#include "console/cp437.h"

namespace console {

namespace {

bool is_control_byte(unsigned char b) {
  switch (b) {
    case 7: case 9: case 10: case 11: case 12: case 13: case 28: case 29: case 30: case 31:
      return true;
    default:
      return false;
  }
}

void fill_row(TextPage& page, int row, Cell blank) {
  for (int c = 1; c <= kPageColumns; ++c) page.set_cell(row, c, blank);
}

Cell blank_cell(const TextPage& page) { return Cell{32, page.current_attribute()}; }

// Draws one glyph at the cursor and advances; past column 80 the line wraps at once
// when more is to come, else the wrap waits (pending) in column 80.
void draw_glyph(Console& console, unsigned char b, bool more_follows) {
  TextPage& page = console.page;
  const int row = page.cursor_row();
  const int column = page.cursor_column();
  page.set_cell(row, column, Cell{b, page.current_attribute()});
  if (column < kPageColumns) {
    page.set_cursor(row, column + 1);
  } else if (more_follows) {
    new_line(console);
    page.just_wrapped = true;
  } else {
    page.pending_wrap = true;
  }
}

void tab_to_next_stop(Console& console, bool more_follows) {
  TextPage& page = console.page;
  const int stop = (page.cursor_column() + 7) / 8 * 8;
  const int blanks = std::max(stop - page.cursor_column() + 1, 1);
  for (int i = 0; i < blanks; ++i) draw_glyph(console, ' ', more_follows || i + 1 < blanks);
}

void cursor_right(TextPage& page) {
  const int row = page.cursor_row();
  const int column = page.cursor_column();
  if (column < kPageColumns) {
    page.set_cursor(row, column + 1);
  } else if (row < page.scroll_bottom) {
    page.set_cursor(row + 1, 1);
  }
}

void cursor_left(TextPage& page) {
  const int row = page.cursor_row();
  const int column = page.cursor_column();
  if (column > 1) {
    page.set_cursor(row, column - 1);
  } else if (row != page.scroll_top && row <= page.scroll_bottom && row > 1) {
    page.set_cursor(row - 1, kPageColumns);
  }
}

bool inside_scroll_area(const TextPage& page, int row) {
  return row >= page.scroll_top && row <= page.scroll_bottom;
}

void control_byte(Console& console, unsigned char b, bool more_follows) {
  TextPage& page = console.page;
  const int row = page.cursor_row();
  switch (b) {
    case 7: console.host.nap(250); break;
    case 9: tab_to_next_stop(console, more_follows); break;
    case 10: case 13: new_line(console); break;
    case 11: page.set_cursor(page.scroll_top, 1); break;
    case 12: clear_screen(console); break;
    case 28: cursor_right(page); break;
    case 29: cursor_left(page); break;
    case 30:
      if (inside_scroll_area(page, row) && row > page.scroll_top) page.set_cursor(row - 1, page.cursor_column());
      break;
    case 31:
      if (inside_scroll_area(page, row) && row < page.scroll_bottom) page.set_cursor(row + 1, page.cursor_column());
      break;
    default: break;
  }
}

}  // namespace

std::uint32_t make_argb_colour(long red, long green, long blue) {
  auto clamp = [](long v) { return static_cast<std::uint32_t>(std::clamp(v, 0L, 255L)); };
  return 0xFF000000u | (clamp(red) << 16) | (clamp(green) << 8) | clamp(blue);
}

void set_palette_entry(Console& console, long entry, std::uint32_t colour) {
  if (error_pending(console.errors)) return;
  if (entry < 0 || entry > 255) return raise_runtime_error(console.errors, kErrorIllegalFunctionCall);
  console.page.set_palette_colour(static_cast<int>(entry), colour);
}

void set_text_colours(Console& console, long foreground, long background) {
  if (error_pending(console.errors)) return;
  if (foreground < 0 || foreground > 31 || background < 0 || background > 15) {
    return raise_runtime_error(console.errors, kErrorIllegalFunctionCall);
  }
  console.page.foreground = static_cast<int>(foreground);
  console.page.background = static_cast<int>(background % 8);
}

void clear_screen(Console& console) {
  if (error_pending(console.errors)) return;
  TextPage& page = console.page;
  const Cell blank = blank_cell(page);
  for (int row = page.scroll_top; row <= page.scroll_bottom; ++row) fill_row(page, row, blank);
  if (page.scroll_bottom < kPageRows) fill_row(page, kPageRows, blank);
  page.set_cursor(page.scroll_top, 1);
}

void move_cursor(Console& console, long row, long column) {
  if (error_pending(console.errors)) return;
  const TextPage& page = console.page;
  const bool row_ok = row >= page.scroll_top && (row <= page.scroll_bottom || row == kPageRows);
  if (!row_ok || column < 1 || column > kPageColumns) return raise_runtime_error(console.errors, kErrorIllegalFunctionCall);
  console.page.set_cursor(static_cast<int>(row), static_cast<int>(column));
  console.page.pending_wrap = false;
}

void new_line(Console& console) {
  TextPage& page = console.page;
  const int row = page.cursor_row();
  if (row < page.scroll_bottom) {
    page.set_cursor(row + 1, 1);
    return;
  }
  for (int r = page.scroll_top; r < page.scroll_bottom; ++r) {
    for (int c = 1; c <= kPageColumns; ++c) page.set_cell(r, c, page.cell(r + 1, c));
  }
  fill_row(page, page.scroll_bottom, blank_cell(page));
  page.set_cursor(page.scroll_bottom, 1);
}

void print_to_screen(Console& console, const std::string& text, bool line_end) {
  if (error_pending(console.errors)) return;
  TextPage& page = console.page;
  if (page.pending_wrap) {
    if (!text.empty()) {
      page.pending_wrap = false;
      new_line(console);
    } else if (line_end) {
      page.pending_wrap = false;
    } else {
      return;
    }
  }
  // The just-wrapped mark belongs to this write: a line end right after a wrap
  // caused by this text's own last byte moves one row, not two.
  page.just_wrapped = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const bool more_follows = i + 1 < text.size() || line_end;
    page.just_wrapped = false;
    if (is_control_byte(b)) {
      control_byte(console, b, more_follows);
    } else {
      draw_glyph(console, b, more_follows);
    }
  }
  if (line_end && !page.just_wrapped) new_line(console);
}

void print_wrap_check(Console& console, const std::string& item) {
  if (error_pending(console.errors)) return;
  const TextPage& page = console.page;
  if (page.pending_wrap || page.cursor_column() == 1) return;
  if (page.cursor_column() + static_cast<long>(item.size()) - 1 > kPageColumns) new_line(console);
}

void print_screen_item(Console& console, const std::string& item) {
  print_wrap_check(console, item);
  print_to_screen(console, item, false);
}

std::string column_skip_blanks(Console& console, long long n, bool numbered_output) {
  if (error_pending(console.errors)) return {};
  if (n < -32768 || n > 32767) {
    raise_runtime_error(console.errors, kErrorOutOfMemory);
    return {};
  }
  if (n < 0) n = 0;
  if (numbered_output) return std::string(static_cast<std::size_t>(n), ' ');
  n %= kPageColumns;
  const long long room = kPageColumns + 1 - console.page.cursor_column();
  if (room < n) return "\r" + std::string(static_cast<std::size_t>(n - room), ' ');
  return std::string(static_cast<std::size_t>(n), ' ');
}

void set_scroll_area(Console& console, long top, long bottom) {
  if (error_pending(console.errors)) return;
  if (top < 1 || bottom < top || top > kPageRows || bottom > kPageRows) {
    return raise_runtime_error(console.errors, kErrorIllegalFunctionCall);
  }
  TextPage& page = console.page;
  page.scroll_top = static_cast<int>(top);
  page.scroll_bottom = static_cast<int>(bottom);
  page.set_cursor(page.scroll_top, 1);
  page.pending_wrap = false;
}

std::string page_text_line(const TextPage& page, int row) {
  std::string bytes;
  for (int c = 1; c <= kPageColumns; ++c) bytes += static_cast<char>(page.cell(row, c).character);
  return cp437_to_utf8(bytes);
}

std::string page_text_row(const TextPage& page, int row) {
  std::string line = page_text_line(page, row);
  line.erase(line.find_last_not_of(' ') + 1);
  return line;
}

}  // namespace console
