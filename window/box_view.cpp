#include "window/box_view.h"

#include <algorithm>

#include "window/frame.h"

namespace window {

namespace {

constexpr std::uint32_t kBoxText = 0xFF000000;
constexpr std::uint32_t kBoxBody = 0xFFAAAAAA;
constexpr std::uint32_t kBarText = 0xFFFFFFFF;
constexpr std::uint32_t kBar = 0xFF0000AA;
constexpr int kWidestInside = 74;  // the box and its frame stay inside 80 columns

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

struct Painter {
  BoxView& box;
  void put(int row, int column, std::uint8_t code, std::uint32_t fg = kBoxText,
           std::uint32_t bg = kBoxBody) {
    box.cells[row * box.columns + column] = BoxCell{code, fg, bg};
  }
  void text(int row, int column, const std::string& s, std::uint32_t fg = kBoxText,
            std::uint32_t bg = kBoxBody) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      put(row, column + static_cast<int>(i), static_cast<std::uint8_t>(s[i]), fg, bg);
    }
  }
  void rule(int row, std::uint8_t left, std::uint8_t middle, std::uint8_t right) {
    put(row, 0, left);
    for (int c = 1; c < box.columns - 1; ++c) put(row, c, middle);
    put(row, box.columns - 1, right);
  }
};

}  // namespace

BoxView lay_out_box(const std::string& title, const std::string& text, bool yes_no) {
  std::vector<std::string> lines = split_lines(text);
  const std::vector<std::string> labels =
      yes_no ? std::vector<std::string>{"[ Yes ]", "[ No ]"} : std::vector<std::string>{"[ OK ]"};
  const int buttons_width = yes_no ? 7 + 3 + 6 : 6;

  int inside = std::max(buttons_width, static_cast<int>(title.size()));
  for (const auto& line : lines) inside = std::max(inside, static_cast<int>(line.size()));
  inside = std::min(inside, kWidestInside);
  for (auto& line : lines) line.resize(std::min<std::size_t>(line.size(), kWidestInside));

  BoxView box;
  box.columns = inside + 4;  // frame and one blank each side
  box.rows = static_cast<int>(lines.size()) + 6;
  box.left = (80 - box.columns) / 2 + 1;
  box.top = (25 - box.rows) / 2 + 1;
  box.cells.assign(box.rows * box.columns, BoxCell{32, kBoxText, kBoxBody});
  Painter paint{box};

  paint.rule(0, 201, 205, 187);  // ╔═╗
  for (int r = 1; r < box.rows - 1; ++r) {
    paint.put(r, 0, 186);  // ║
    paint.put(r, box.columns - 1, 186);
  }
  for (int c = 1; c < box.columns - 1; ++c) paint.put(1, c, 32, kBarText, kBar);
  const std::string shown_title = title.substr(0, kWidestInside);
  paint.text(1, 2 + (inside - static_cast<int>(shown_title.size())) / 2, shown_title, kBarText, kBar);
  paint.rule(2, 199, 196, 182);  // ╟─╢
  for (std::size_t i = 0; i < lines.size(); ++i) paint.text(3 + static_cast<int>(i), 2, lines[i]);
  paint.rule(box.rows - 1, 200, 205, 188);  // ╚═╝

  const int button_row = box.rows - 2;
  int column = 2 + (inside - buttons_width) / 2;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const bool is_default = i == 0;
    paint.text(button_row, column, labels[i], is_default ? kBarText : kBoxText,
               is_default ? kBar : kBoxBody);
    const int width = static_cast<int>(labels[i].size());
    box.buttons.push_back(BoxButton{i == 0, box.top + button_row, box.left + column,
                                    box.left + column + width - 1});
    column += width + 3;
  }
  return box;
}

std::optional<bool> button_at(const BoxView& box, int row, int column) {
  for (const auto& b : box.buttons) {
    if (row == b.row && column >= b.first_column && column <= b.last_column) return b.answer;
  }
  return std::nullopt;
}

std::optional<bool> answer_for_key(unsigned char key, bool yes_no) {
  switch (key) {
    case 'y': case 'Y': case 13: return true;
    case 27: return yes_no ? false : true;
    case 'n': case 'N': if (yes_no) return false; break;
    case 'o': case 'O': case ' ': if (!yes_no) return true; break;
    default: break;
  }
  return std::nullopt;
}

std::vector<std::uint32_t> draw_box(const BoxView& box) {
  const int width = box.columns * 8;
  std::vector<std::uint32_t> pixels(width * box.rows * 16);
  for (int r = 0; r < box.rows; ++r) {
    for (int c = 0; c < box.columns; ++c) {
      const BoxCell& cell = box.at(r, c);
      draw_glyph(pixels.data(), width, c * 8, r * 16, cell.code, cell.foreground,
                          cell.background);
    }
  }
  return pixels;
}

}  // namespace window
