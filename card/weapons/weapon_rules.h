// The box lines of the weapons table, in code page 437: the top rule under the
// DEFENCE line, the separator between weapon groups and the bottom rule. Every line is
// 80 characters with its dividers in columns 1, 16, 24, 28, 32 (the double line that
// parts the row heads from the factor cells), 38, 42, ..., 74 and 80.
#pragma once

#include <string>

namespace card::weapons {

// The single and double vertical bars of the rows.
inline constexpr char kSingleBar = '\xB3';  // │
inline constexpr char kDoubleBar = '\xBA';  // ║

// The frame of a row without a weapon head (the meson Con row, the missile S/B and
// NuD rows), columns 1 to 32: "│", 14 blanks, "│", 7 blanks, "│   │   ║".
inline constexpr char kRowWithoutHead[] = "\xB3              \xB3       \xB3   \xB3   \xBA";

enum class RuleKind { Top, Separator, Bottom };

// The whole line of a rule.
std::string weapons_rule(RuleKind kind);

// A rule cut where it crosses the double line: columns 1 to 31, the crossing of
// column 32, and columns 33 to 80. The separator and the bottom rule are written in
// these three pieces.
struct RulePieces {
  std::string before, crossing, after;
};
RulePieces weapons_rule_pieces(RuleKind kind);

}  // namespace card::weapons
