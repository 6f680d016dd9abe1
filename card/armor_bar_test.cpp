#include "card/armor_bar.h"

#include <gtest/gtest.h>

#include "console/cp437.h"

namespace card {
namespace {

using console::cp437_to_utf8;

TEST(ArmorBar, TwoPointsADoubleBarAndAnOddPointASingleBar) {
  static const struct {
    float rating;
    const char* bar;
  } cases[] = {
      {0, ""},          {1, "│"},          {0.5f, "│"},       {-3, "│"},
      {2, "║"},         {2.5f, "║"},       {3, "║│"},         {4, "║║"},
      {7, "║║║│"},      {12, "║║║║║║"},    {13, "║║║║║║│"},   {13.5f, "║║║║║║│"},
      {14, "║║║║║║║"},  {15, "║║║║║║║"},   {30, "║║║║║║║"},
  };
  for (const auto& c : cases) {
    program::Program p;
    p.armor_rating = c.rating;
    make_armor_bar(p);
    EXPECT_EQ(cp437_to_utf8(p.armor_bar), c.bar) << c.rating;
    EXPECT_EQ(p.bar_double, 186.0f);
    EXPECT_EQ(p.bar_single, 179.0f);
  }
}

}  // namespace
}  // namespace card
