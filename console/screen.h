// Writing to the text page: colours, clearing, cursor moves, printing with its rules
// for wrapping at column 80, scrolling and control bytes, fitting an item before a
// direct screen write, and column skips.
//
// Every operation does nothing (and gives its neutral result) while an error is
// pending; the failures named below raise runtime errors 5 and 7.
#pragma once

#include <cstdint>
#include <string>

#include "console/console.h"

namespace console {

// Opaque colour: alpha 255, then red, green and blue, each clamped to 0..255.
std::uint32_t make_argb_colour(long red, long green, long blue);

// Entry outside 0..255: error 5.
void set_palette_entry(Console& console, long entry, std::uint32_t colour);

// Foreground outside 0..31 or background outside 0..15: error 5, colours unchanged.
// The background is stored mod 8.
void set_text_colours(Console& console, long foreground, long background);

// Blanks the scrolling area and row 25 in the current colours and puts the cursor in
// column 1 of the area's top row. A pending wrap stays pending.
void clear_screen(Console& console);

// Row above the area's top, below its bottom other than 25, or column outside 1..80:
// error 5, cursor unchanged. Clears the pending wrap.
void move_cursor(Console& console, long row, long column);

// Writes the bytes at the cursor (wrapping, scrolling, control bytes) and then, if
// asked, ends the line.
void print_to_screen(Console& console, const std::string& text, bool line_end);

// Before an item of a direct screen write: a new line first when the item would pass
// column 80 (only when no wrap is pending and the cursor is not in column 1).
void print_wrap_check(Console& console, const std::string& item);

// Fits and prints one item of a direct screen write, without line end.
void print_screen_item(Console& console, const std::string& item);

// Cursor to column 1 of the next row, scrolling at the bottom of the scrolling area.
void new_line(Console& console);

// The text that skips n columns: n blanks while a numbered-output write is in progress,
// else the direct-screen form (n mod 80, a new line when it does not fit). n outside
// -32768..32767: error 7 and the empty text.
std::string column_skip_blanks(Console& console, long long n, bool numbered_output);

// Scrolling area := rows top to bottom, cursor to (top, 1), pending wrap cleared.
// Top below 1, bottom below top, or either above 25: error 5.
void set_scroll_area(Console& console, long top, long bottom);

// The whole page as 25 lines of UTF-8 text (code page 437 glyphs as their Unicode
// characters), for tests and logs.
std::string page_text_line(const TextPage& page, int row);

// The same row without the blanks at its end.
std::string page_text_row(const TextPage& page, int row);

}  // namespace console
