// The glyph set of the text page: the standard VGA 8 x 16 text font of code page 437,
// 256 glyphs in code page 437 order (0 and 255 blank, 1 to 31 and 127 their graphic
// shapes, box drawing reaching the cell edges). Each glyph is 16 rows from the top;
// each row one byte whose bit 7 is the leftmost pixel. The table is generated at build
// time from the console font of the system (see font.cmake).
#pragma once

#include <array>
#include <cstdint>

namespace window {

inline constexpr int kGlyphCount = 256;
inline constexpr int kGlyphWidth = 8;
inline constexpr int kGlyphHeight = 16;

extern const std::array<std::uint8_t, kGlyphCount * kGlyphHeight> VGA_GLYPH_ROWS;

// True where the glyph's pixel (x from the left, y from the top) is foreground.
// REQUIRES: 0 <= x < 8, 0 <= y < 16.
inline bool glyph_pixel(std::uint8_t code, int x, int y) {
  return (VGA_GLYPH_ROWS[code * kGlyphHeight + y] & (0x80 >> x)) != 0;
}

}  // namespace window
