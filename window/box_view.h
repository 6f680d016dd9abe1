// The error box and the fatal box as the window draws them over the page: a frame of
// text cells centred on the 80 x 25 grid, with the title on its own bar, the lines of
// the text, and the buttons (Yes and No, or OK). The page underneath is not touched;
// the box is its own small image laid over the frame.
//
// The box uses fixed colours of its own (black on light grey, the title and the
// default button white on blue), so it reads the same whatever the program did to the
// palette.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace window {

struct BoxCell {
  std::uint8_t code = 32;
  std::uint32_t foreground = 0;
  std::uint32_t background = 0;
};

// One button: its answer and the cells it covers on the box's row `row`.
struct BoxButton {
  bool answer = true;
  int row = 0;           // page row, 1-based
  int first_column = 0;  // page columns, 1-based
  int last_column = 0;
};

struct BoxView {
  int top = 1;   // page row of the box's top edge
  int left = 1;  // page column of its left edge
  int rows = 0;
  int columns = 0;
  std::vector<BoxCell> cells;  // rows x columns, row-major
  std::vector<BoxButton> buttons;

  const BoxCell& at(int row, int column) const {  // 0-based inside the box
    return cells[row * columns + column];
  }
};

// The box for a title and a text of lines separated by line feeds, with the buttons
// Yes and No (`yes_no`) or OK. Lines longer than the screen allows are cut.
BoxView lay_out_box(const std::string& title, const std::string& text, bool yes_no);

// The answer of the button on page cell (row, column), if one is there.
std::optional<bool> button_at(const BoxView& box, int row, int column);

// The answer a typed key gives: Y or Enter for Yes, N or Esc for No; in an OK box,
// Enter, Space, O, Y or Esc for OK (true).
std::optional<bool> answer_for_key(unsigned char key, bool yes_no);

// The box's pixels, columns * 8 wide and rows * 16 high, as ARGB.
std::vector<std::uint32_t> draw_box(const BoxView& box);

}  // namespace window
