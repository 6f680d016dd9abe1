#include "stats/stats_lines.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

TEST(StatsLines, ValuesInTheirFields) {
  struct Case {
    StatsLine line;
    float value;
    const char* text;
  };
  static const Case cases[] = {
      {StatsLine::Class, 0, " Class   : 0"},         {StatsLine::Class, 3, " Class   : 3"},
      {StatsLine::Beam, 2.0423436f, " BEAM    : 2"},  {StatsLine::Beam, 0.5f, " BEAM    : 1"},
      {StatsLine::Beam, 99.5f, " BEAM    :%100"},   {StatsLine::Missile, 9.5f, " MISSILE :10"},
      {StatsLine::Missile, 1.5691682f, " MISSILE : 2"}, {StatsLine::Missile, 0, " MISSILE : 0"},
      {StatsLine::Screens, 1, " SREENS  : 1"},      {StatsLine::Screens, 9, " SREENS  : 9"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    program::Program p;
    p.stats_class = p.stats_beam = p.stats_missile = p.stats_screens = 55;
    switch (k.line) {
      case StatsLine::Class: p.stats_class = k.value; break;
      case StatsLine::Beam: p.stats_beam = k.value; break;
      case StatsLine::Missile: p.stats_missile = k.value; break;
      case StatsLine::Screens: p.stats_screens = k.value; break;
    }
    console::ErrorState errors;
    EXPECT_EQ(stats_line_text(errors, p, k.line), k.text);
    EXPECT_EQ(errors.pending, 0);
  }
}

TEST(StatsLines, ClassInWordsByTonnage) {
  struct Case {
    float tons;
    const char* text;
  };
  static const Case cases[] = {
      {0, " = 1-999 tons (Scouts)"},
      {999, " = 1-999 tons (Scouts)"},
      {999.5f, " = 1-999 tons (Scouts)"},
      {1000, " = 1.000-9.999 tons (Destroyer)"},
      {9999, " = 1.000-9.999 tons (Destroyer)"},
      {10000, " = 10.000-99.999 tons (Cruiser)"},
      {100000, " = 100K tons+ (Battleships)"},
      {2500000, " = 100K tons+ (Battleships)"},
  };
  for (const Case& k : cases) {
    program::Program p;
    p.current_tons = k.tons;
    choose_stats_class_text(p);
    EXPECT_EQ(p.stats_class_text, k.text) << k.tons;
  }
}

}  // namespace
}  // namespace stats
