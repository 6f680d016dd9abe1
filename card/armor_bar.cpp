#include "card/armor_bar.h"

#include <string>

namespace card {

namespace {

struct ArmorBarStep {
  float below;  // the step holds for a rating below this
  int double_bars;
  bool single_bar;
};

// After the empty bar of a rating of 0, the first step the rating lies below.
constexpr ArmorBarStep ARMOR_BAR_STEPS[] = {
    {2, 0, true},   {3, 1, false},  {4, 1, true},   {5, 2, false},  {6, 2, true},
    {7, 3, false},  {8, 3, true},   {9, 4, false},  {10, 4, true},  {11, 5, false},
    {12, 5, true},  {13, 6, false}, {14, 6, true},
};
constexpr int kMostDoubleBars = 7;

constexpr float kDoubleBarGlyph = 186;  // ║
constexpr float kSingleBarGlyph = 179;  // │

char glyph(float code) { return static_cast<char>(static_cast<unsigned char>(code)); }

std::string bar(const program::Program& p, int double_bars, bool single_bar) {
  std::string text(static_cast<std::size_t>(double_bars), glyph(p.bar_double));
  if (single_bar) text += glyph(p.bar_single);
  return text;
}

}  // namespace

void make_armor_bar(program::Program& p) {
  p.bar_double = kDoubleBarGlyph;
  p.bar_single = kSingleBarGlyph;
  if (p.armor_rating == 0) {
    p.armor_bar.clear();
    return;
  }
  for (const auto& s : ARMOR_BAR_STEPS) {
    if (p.armor_rating < s.below) {
      p.armor_bar = bar(p, s.double_bars, s.single_bar);
      return;
    }
  }
  p.armor_bar = bar(p, kMostDoubleBars, false);
}

}  // namespace card
