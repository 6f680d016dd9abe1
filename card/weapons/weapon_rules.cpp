#include "card/weapons/weapon_rules.h"

namespace card::weapons {

namespace {

constexpr int kLineLength = 80;
constexpr int kDoubleLineColumn = 32;

// The columns of the dividers inside the line; the first two stand under the cell
// edges of the DEFENCE line.
constexpr int DIVIDER_COLUMNS[] = {16, 24, 28, 32, 38, 42, 46, 50, 54, 58, 62, 66, 70, 74};
constexpr int kDefenceEdges = 2;

struct RuleStyle {
  char left, fill, right;
  char defence_cross;  // columns 16 and 24
  char double_cross;   // column 32
  char cross;          // every other divider
};

constexpr RuleStyle RULE_STYLES[] = {
    {'\xC6', '\xCD', '\xB5', '\xD8', '\xCB', '\xD1'},  // Top: ╞ ═ ╡ ╪ ╦ ╤
    {'\xC3', '\xC4', '\xB4', '\xC5', '\xD7', '\xC5'},  // Separator: ├ ─ ┤ ┼ ╫ ┼
    {'\xC0', '\xC4', '\xD9', '\xC1', '\xD0', '\xC1'},  // Bottom: └ ─ ┘ ┴ ╨ ┴
};

char divider_char(const RuleStyle& style, int index, int column) {
  if (column == kDoubleLineColumn) return style.double_cross;
  return index < kDefenceEdges ? style.defence_cross : style.cross;
}

}  // namespace

std::string weapons_rule(RuleKind kind) {
  const RuleStyle& style = RULE_STYLES[static_cast<int>(kind)];
  std::string line(kLineLength, style.fill);
  line.front() = style.left;
  line.back() = style.right;
  int index = 0;
  for (const int column : DIVIDER_COLUMNS) line[column - 1] = divider_char(style, index++, column);
  return line;
}

RulePieces weapons_rule_pieces(RuleKind kind) {
  const std::string line = weapons_rule(kind);
  return {line.substr(0, kDoubleLineColumn - 1), line.substr(kDoubleLineColumn - 1, 1),
          line.substr(kDoubleLineColumn)};
}

}  // namespace card::weapons
