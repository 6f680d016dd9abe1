#include "card/stats_lines.h"

#include <gtest/gtest.h>

namespace card {
namespace {

TEST(StatsLines, ClassAndValueFields) {
  ships::Program p;
  console::ErrorState errors;
  p.stats_class = 1;
  p.stats_beam = 5.2974052f;
  p.stats_missile = 2.5f;
  p.stats_screens = 9;
  EXPECT_EQ(stats_class_field(errors, p), " Class   : 1");
  const char* expected[] = {" BEAM    : 5", " MISSILE : 3", " SREENS  : 9"};  // half away from zero
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(stats_value_field(errors, STATS_VALUE_LINES[i], p), expected[i]);

  p.stats_class = 3;
  p.stats_beam = 0.4f;
  p.stats_missile = 99.5f;
  EXPECT_EQ(stats_class_field(errors, p), " Class   : 3");
  EXPECT_EQ(stats_value_field(errors, STATS_VALUE_LINES[0], p), " BEAM    : 0");
  EXPECT_EQ(stats_value_field(errors, STATS_VALUE_LINES[1], p), " MISSILE :%100");
  EXPECT_EQ(errors.pending, 0);
  EXPECT_STREQ(STATS_TITLE, " VALDORIN / BRELLACOSTA Stats");
}

}  // namespace
}  // namespace card
