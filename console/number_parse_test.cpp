#include "console/number_parse.h"

#include <gtest/gtest.h>

namespace console {
namespace {

TEST(ParseNumberText, ReadsTheDecimalNumberAtTheStartOfTheText) {
  static const struct {
    const char* text;
    long double value;
  } cases[] = {
      {" 12", 12},
      {"09", 9},
      {"00", 0},
      {"3E2", 300},
      {"-1.5e1", -15},
      {".5", 0.5L},
      {"5-3", 5},
      {"1.2.3", 1.2L},
      {"2F", 2},
      {"", 0},
      {"A", 0},
      {" ", 0},
      {"E", 0},
      {"-", 0},
      {".", 0},
      {"1 2", 12},
      {"\t- 1 . 5 e 1\t", -15},  // blanks and tabs anywhere
      {"+5", 5},
      {"--5", 0},
      {"1,5", 1},
      {"5&H1", 5},  // an "&" after a digit ends the reading
      {"-&H1", 0},
      {"1d3", 1000},
      {"1D-2", 0.01L},
      {"2.5E+1", 25},
      {"1e", 1},
      {"1e+", 1},
      {"1e2e3", 100},
      {"0.000", 0},
      {"000123.4500", 123.45L},
      {"0.1", 0.1L},
      {"1e0000000000000000000000001", 10},  // leading zeros of the exponent
      {"1e-1234567890123456789", 0},        // 18 exponent digits read, far too small
      {"123456789012345678", 123456789012345678.0L},  // 18 digits: exact
      {"-999999999999999999", -999999999999999999.0L},
      {"12345678901234567890123", 12345678901234567890123.0L},
      {"3.4028234663852886e38", 3.4028234663852886e38L},
  };
  for (const auto& c : cases) {
    ErrorState errors;
    EXPECT_EQ(parse_number_text(errors, c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(errors.pending, 0) << '"' << c.text << '"';
  }
}

TEST(ParseNumberText, ReadsNumbersInOtherBasesAsSigned64BitIntegers) {
  static const struct {
    const char* text;
    long double value;
  } cases[] = {
      {"&H1F", 31},
      {"&h1f", 31},
      {" &HfF", 255},
      {"&H", 0},
      {"&H1F 2", 31},   // a blank ends the digits
      {"&H 1F", 0},
      {"&HG", 0},
      {"&O17", 15},
      {"&o778", 63},
      {"&B101", 5},
      {"&b102", 2},
      {"&X1", 0},       // no base letter
      {"&17", 0},
      {"&", 0},
      {"&HFFFFFFFFFFFFFFFF", -1},
      {"&H7FFFFFFFFFFFFFFF", 9223372036854775807.0L},
      {"&H8000000000000000", -9223372036854775807.0L - 1},
      {"&H000000000000000000001", 1},  // leading zeros do not count
      {"&O1777777777777777777777", -1},  // 64 bits
      {"&B1111111111111111111111111111111111111111111111111111111111111111", -1},
  };
  for (const auto& c : cases) {
    ErrorState errors;
    EXPECT_EQ(parse_number_text(errors, c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(errors.pending, 0) << '"' << c.text << '"';
  }
}

TEST(ParseNumberText, ABasedNumberBeyond64BitsOverflows) {
  static const char* const texts[] = {
      "&H10000000000000000",
      "&HFFFFFFFFFFFFFFFFF",
      "&O2000000000000000000000",
      "&B11111111111111111111111111111111111111111111111111111111111111111",
  };
  for (const char* text : texts) {
    ErrorState errors;
    EXPECT_EQ(parse_number_text(errors, text), 0) << text;
    EXPECT_EQ(errors.pending, 6) << text;
  }
}

}  // namespace
}  // namespace console
