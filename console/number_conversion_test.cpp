#include "console/number_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace console {
namespace {

constexpr std::int64_t kNoInteger = std::numeric_limits<std::int64_t>::min();

TEST(RoundToInt64, RoundsToTheNearestIntegerTiesToEven) {
  static const struct {
    long double x;
    std::int64_t n;
  } cases[] = {
      {0.5L, 0},
      {1.5L, 2},
      {-1.5L, -2},
      {2.5L, 2},
      {3.5L, 4},
      {-2.5L, -2},
      {2.4L, 2},
      {-2.6L, -3},
      {0.5L - 0x1p-65L, 0},   // just below the tie
      {-0.5L - 0x1p-64L, -1},  // just beyond the tie
      {0x1p62L + 0.5L, 0x4000000000000000},  // a tie next to an even integer
      {0x1p62L + 1.5L, 0x4000000000000002},
      {9007199254740993.0L, 9007199254740993},  // beyond double precision, exact here
      {-0x1p63L, kNoInteger},                    // the smallest 64-bit integer itself
  };
  for (const auto& c : cases) {
    EXPECT_EQ(round_to_int64(c.x), c.n) << "x = " << static_cast<double>(c.x);
  }
}

TEST(RoundToInt64, GivesTheSmallestIntegerOutsideTheRange) {
  EXPECT_EQ(round_to_int64(0x1p63L), kNoInteger);
  EXPECT_EQ(round_to_int64(0x1p63L - 0.5L), kNoInteger);  // a tie that rounds up to 2^63
  EXPECT_EQ(round_to_int64(0x1p63L - 1.0L), 0x7FFFFFFFFFFFFFFF);
  EXPECT_EQ(round_to_int64(-1e30L), kNoInteger);
  EXPECT_EQ(round_to_int64(std::numeric_limits<long double>::infinity()), kNoInteger);
  EXPECT_EQ(round_to_int64(std::numeric_limits<long double>::quiet_NaN()), kNoInteger);
}

TEST(RoundToInt16, RoundsTiesToEvenInsideTheRangeAndOverflowsOutside) {
  static const struct {
    double x;
    std::int16_t n;
    bool overflow;
  } cases[] = {
      {32767.4, 32767, false},
      {32767.5, 0, true},
      {-32768.5, -32768, false},
      {-32768.6, 0, true},
      {-32768.50000000001, 0, true},
      {32767.499999999996, 32767, false},
      {0.5, 0, false},
      {1.5, 2, false},
      {-0.5, 0, false},
      {-1.5, -2, false},
      {2.5, 2, false},
      {-7.7, -8, false},
      {1e10, 0, true},
      {std::numeric_limits<double>::quiet_NaN(), 0, true},
  };
  for (const auto& c : cases) {
    ErrorState errors;
    EXPECT_EQ(round_to_int16(errors, c.x), c.n) << "x = " << c.x;
    EXPECT_EQ(errors.pending, c.overflow ? 6 : 0) << "x = " << c.x;
  }
}

TEST(RoundToInt16, KeepsTheFirstErrorOfTheStep) {
  ErrorState errors;
  raise_runtime_error(errors, 9);
  EXPECT_EQ(round_to_int16(errors, 40000.0), 0);
  EXPECT_EQ(errors.pending, 9);
}

TEST(IntegerPart, IsTheGreatestIntegerNotAboveTheValue) {
  static const struct {
    double x;
    double part;
  } cases[] = {
      {2.7, 2}, {-2.5, -3}, {-0.5, -1}, {0.0, 0}, {3.0, 3}, {-3.0, -3}, {0.999, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(integer_part(static_cast<float>(c.x)), static_cast<float>(c.part)) << c.x;
    EXPECT_EQ(integer_part(c.x), c.part) << c.x;
    EXPECT_EQ(integer_part(static_cast<long double>(c.x)), static_cast<long double>(c.part))
        << c.x;
  }
}

TEST(IntegerPart, IsExactInThePrecisionOfItsArgument) {
  EXPECT_EQ(integer_part(8388607.5f), 8388607.0f);
  EXPECT_EQ(integer_part(-8388607.5f), -8388608.0f);
  EXPECT_EQ(integer_part(4503599627370495.5), 4503599627370495.0);
  EXPECT_EQ(integer_part(-0x1p62L - 0.5L), -0x1p62L - 1.0L);
  EXPECT_EQ(integer_part(0x1p62L + 0.5L), 0x1p62L);
}

}  // namespace
}  // namespace console
