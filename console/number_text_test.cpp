#include "console/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace console {
namespace {

TEST(NumberText, WritesTheValueRoundedToSevenSignificantDigits) {
  static const struct {
    float x;
    const char* text;
  } cases[] = {
      {0.0f, " 0"},
      {-0.0f, " 0"},
      {5.0f, " 5"},
      {-5.0f, "-5"},
      {2500.0f, " 2500"},
      {100.0f, " 100"},
      {0.5f, " .5"},
      {-0.25f, "-.25"},
      {0.1f, " .1"},  // 0.100000001490116...
      {1.0f / 3.0f, " .3333333"},
      {16536.724f, " 16536.72"},  // 16536.724609375
      {123456.78f, " 123456.8"},  // 123456.78125
      {1234567.5f, " 1234568"},
      {1234566.5f, " 1234566"},       // a tie: to even
      {123456.25f, " 123456.2"},      // a tie: to even
      {-12345.375f, "-12345.38"},     // a tie: to even
      {99999.99609375f, " 100000"},   // rounds up to one more digit
      {1000000.0f, " 1000000"},
      {9999999.0f, " 9999999"},
      {10000000.0f, " 1E+07"},
      {12345678.0f, " 1.234568E+07"},
      {12345665.0f, " 1.234566E+07"},  // a tie: to even
      {12345675.0f, " 1.234568E+07"},  // a tie: to even
      {-16777216.0f, "-1.677722E+07"},
      {0.0000001f, " .0000001"},   // 7 decimal places
      {-0.0000001f, "-.0000001"},
      {0.00000012f, " 1.2E-07"},   // 8 decimal places would be needed
      {0.00000001f, " 1E-08"},
      {0.000123456f, " 1.23456E-04"},
      {0.001953125f, " 1.953125E-03"},  // exact, 9 decimal places
      {0.0078125f, " .0078125"},        // exact, 7 decimal places
      {std::numeric_limits<float>::max(), " 3.402823E+38"},   // 3.40282346638...E+38
      {std::numeric_limits<float>::min(), " 1.175494E-38"},   // 1.17549435082...E-38
      {-std::numeric_limits<float>::denorm_min(), "-1.401298E-45"},  // 1.40129846432...E-45
  };
  for (const auto& c : cases) {
    EXPECT_EQ(number_to_text(c.x), c.text) << "x = " << c.x;
  }
}

TEST(NumberText, NamesInfinitiesAndValuesThatAreNotNumbers) {
  EXPECT_EQ(number_to_text(std::numeric_limits<float>::infinity()), " INF");
  EXPECT_EQ(number_to_text(-std::numeric_limits<float>::infinity()), "-INF");
  EXPECT_EQ(number_to_text(std::nanf("")), " NAN");
}

TEST(NumberText, WritesSixteenBitIntegersWithTheirSign) {
  static const struct {
    std::int16_t n;
    const char* text;
  } cases[] = {
      {5, " 5"}, {-32768, "-32768"}, {0, " 0"}, {32767, " 32767"}, {-1, "-1"}, {100, " 100"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(number_to_text_int16(c.n), c.text) << "n = " << c.n;
  }
}

TEST(NumberText, SixteenBitTextEqualsTheNumberTextOfTheSameValue) {
  for (int n = -32768; n <= 32767; ++n) {
    const std::string text = number_to_text_int16(static_cast<std::int16_t>(n));
    ASSERT_EQ(text, number_to_text(static_cast<float>(n))) << "n = " << n;
  }
}

}  // namespace
}  // namespace console
