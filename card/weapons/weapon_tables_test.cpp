#include "card/weapons/weapon_tables.h"

#include <gtest/gtest.h>

#include <string>

#include "card/weapons/weapon_rules.h"
#include "console/cp437.h"

namespace card::weapons {
namespace {

TEST(WeaponTables, ParticleBaseByRating) {
  // Ratings 0 to 30, worked out line by line from the top of the table.
  const float expected[] = {7, 9, 8, 7, 7, 6, 6, 5, 5, 4, 3, 3, 3, 3, 3, 2,
                            2, 2, 2, 2, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
  for (int rating = 0; rating <= 30; ++rating) {
    EXPECT_EQ(particle_base_for(static_cast<float>(rating)), expected[rating]) << rating;
  }
}

TEST(WeaponTables, MesonBaseByRating) {
  const float expected[] = {9, 9, 9, 8, 7, 7, 7, 6, 6, 6, 5, 5, 4, 4, 4, 4,
                            4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
  for (int rating = 0; rating <= 30; ++rating) {
    EXPECT_EQ(meson_base_for(static_cast<float>(rating)), expected[rating]) << rating;
  }
}

// A ship's own X, Y or Z value may be any number; the lines are still read from the top.
TEST(WeaponTables, BasesOfRatingsThatAreNotWhole) {
  static const struct {
    float rating, particle, meson;
  } cases[] = {
      {-4, 7, 9}, {0.5f, 7, 9}, {1.5f, 7, 9}, {2.5f, 7, 9}, {3.5f, 7, 7},
      {8.5f, 5, 6}, {9.5f, 3, 6}, {11.5f, 3, 5}, {23.5f, 1, 4}, {24.5f, 0, 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(particle_base_for(c.rating), c.particle) << c.rating;
    EXPECT_EQ(meson_base_for(c.rating), c.meson) << c.rating;
  }
}

TEST(WeaponTables, MissileBaseRoundsHalfTheRatingToEven) {
  static const struct {
    float rating, base;
  } cases[] = {
      {0, 7}, {1, 7}, {2, 6}, {3, 5}, {4, 5}, {5, 5}, {6, 4}, {7, 3}, {8, 3}, {9, 3},
      {65534, -32760}, {-65537, 32775},
  };
  for (const auto& c : cases) {
    console::ErrorState errors;
    EXPECT_EQ(missile_base_for(errors, c.rating), c.base) << c.rating;
    EXPECT_EQ(errors.pending, 0) << c.rating;
  }
}

TEST(WeaponTables, MissileBaseOfAHalfRatingOutside16BitsIsAnOverflow) {
  for (const float rating : {65535.0f, -65538.0f, 1e9f}) {
    console::ErrorState errors;
    EXPECT_EQ(missile_base_for(errors, rating), 7) << rating;
    EXPECT_EQ(errors.pending, 6) << rating;
  }
}

TEST(WeaponTables, MesonDigitsOfEachColumn) {
  EXPECT_EQ(meson_digits(MesonRow::Mes, 1), "161515141413131212090908080707060605050404030302020101");
  EXPECT_EQ(meson_digits(MesonRow::Mes, 9), "201919181817171616131312121111101009090808070706060505");
  EXPECT_EQ(meson_digits(MesonRow::Con, 4), "070706060605050504030302020201010100000000000000000000");
  EXPECT_EQ(meson_digits(MesonRow::Con, 9), "141313131212121111100909090808080707070606060505050404");
  EXPECT_EQ(meson_digits(MesonRow::Mes, 0), "");
  EXPECT_EQ(meson_digits(MesonRow::Con, 10), "");
}

TEST(WeaponTables, MesonDigitPairAtARating) {
  static const struct {
    float rating;
    const char* pair;
  } cases[] = {
      {1, "16"},     {3, "15"},  {10, "09"},  {27, "01"},
      {28, ""},      {40, ""},   // past the end of the digits
      {1.25f, "61"},            // 2 * 1.25 - 1 = 1.5 rounds to 2
      {0.75f, ""},              // 0.5 rounds to 0: before the first digit
      {0, ""},       {-3, ""},
  };
  const std::string digits = meson_digits(MesonRow::Mes, 1);
  for (const auto& c : cases) EXPECT_EQ(meson_digit_pair(digits, c.rating), c.pair) << c.rating;
  EXPECT_EQ(meson_digit_pair("12345", 3), "5");  // the text ends after one character
}

TEST(WeaponRules, ExactLines) {
  EXPECT_EQ(console::cp437_to_utf8(weapons_rule(RuleKind::Top)),
            "╞══════════════╪═══════╪═══╤═══╦═════╤═══╤═══╤═══╤═══╤═══╤═══╤═══╤═══╤═══╤═════╡");
  EXPECT_EQ(console::cp437_to_utf8(weapons_rule(RuleKind::Separator)),
            "├──────────────┼───────┼───┼───╫─────┼───┼───┼───┼───┼───┼───┼───┼───┼───┼─────┤");
  EXPECT_EQ(console::cp437_to_utf8(weapons_rule(RuleKind::Bottom)),
            "└──────────────┴───────┴───┴───╨─────┴───┴───┴───┴───┴───┴───┴───┴───┴───┴─────┘");
}

TEST(WeaponRules, PiecesAroundTheDoubleLine) {
  const RulePieces separator = weapons_rule_pieces(RuleKind::Separator);
  EXPECT_EQ(console::cp437_to_utf8(separator.before), "├──────────────┼───────┼───┼───");
  EXPECT_EQ(separator.crossing, std::string(1, '\xD7'));
  EXPECT_EQ(console::cp437_to_utf8(separator.after), "─────┼───┼───┼───┼───┼───┼───┼───┼───┼───┼─────┤");
  const RulePieces bottom = weapons_rule_pieces(RuleKind::Bottom);
  EXPECT_EQ(console::cp437_to_utf8(bottom.before), "└──────────────┴───────┴───┴───");
  EXPECT_EQ(bottom.crossing, std::string(1, '\xD0'));
  EXPECT_EQ(console::cp437_to_utf8(bottom.after), "─────┴───┴───┴───┴───┴───┴───┴───┴───┴───┴─────┘");
}

}  // namespace
}  // namespace card::weapons
