#include "console/number_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace console {
namespace {

// Feeds the text; returns how many bytes fitted.
std::size_t scan(NumberScanner& scanner, const std::string& text) {
  std::size_t fitted = 0;
  while (fitted < text.size() && scanner.feed(static_cast<unsigned char>(text[fitted]))) ++fitted;
  return fitted;
}

TEST(NumberScanner, StopsAtTheFirstByteThatDoesNotFit) {
  static const struct {
    const char* text;
    std::size_t fitted;
  } cases[] = {
      {"12x", 2},     {"1.2.3", 3},  {"-1-2", 2},   {"+.5e-3+", 6}, {"1e5.2", 3},
      {"1e5e2", 3},   {"\t7", 0},    {"x", 0},      {"&H1G", 3},    {"&o78", 3},
      {"&x", 1},      {"1D+2d", 4},  {"--1", 1},    {" 1", 0},
      // The mantissa may be empty: an exponent letter may follow the sign at once.
      {"-e5", 3},     {"E5", 2},     {"+E5 7", 3},  {"D+30,", 4},   {"e5e", 2},
  };
  for (const auto& c : cases) {
    NumberScanner scanner;
    EXPECT_EQ(scan(scanner, c.text), c.fitted) << c.text;
  }
}

TEST(NumberScanner, Values) {
  static const struct {
    const char* text;
    double value;
  } cases[] = {
      {"0", 0.0},
      {"000123", 123.0},
      {"-0.5", -0.5},
      {"12.5e1", 125.0},
      {"1E0000000000000000000000003", 1000.0},  // the exponent's own zeros do not count
      {"0e999999", 0.0},                         // no significant digit, no exponent
      {"1e-400", 0.0},                           // below the smallest double
      // Only 17 significant digits count; the 18th and later are dropped, not rounded:
      // 0.12345678901234567 is taken, not ...568.
      {"0.123456789012345679", 0.12345678901234567},
      // 9007199254740993 lies halfway between two doubles and goes to the even one;
      // the dropped digits, had they counted, would have pushed it up.
      {"9007199254740993.0001", 9007199254740992.0},
      {"&H7FFF", 32767.0},
      {"&o777", 511.0},
      {"&h", 0.0},
      {"3.402823466E+38", 3.402823466e38},       // the largest number still allowed
  };
  for (const auto& c : cases) {
    NumberScanner scanner;
    scan(scanner, c.text);
    const ScannedNumber number = scanner.result();
    EXPECT_FALSE(number.overflow) << c.text;
    EXPECT_EQ(number.value, c.value) << c.text;
  }
}

// A hexadecimal or octal number is the integer of its digits, rounded once to the
// nearest double. 0xFA2C54800000043 = 1126679769824362563 lies between 2^59 and 2^60,
// where doubles are 2^7 apart; its last seven bits, 0x43, lie above half of 0x80, so
// it rounds up to 0xFA2C54800000080. (Rounded at every digit, it would come out one
// double lower, 0xFA2C54800000000.)
TEST(NumberScanner, HexadecimalAndOctalAreRoundedOnce) {
  static const struct {
    const char* text;
    double value;
  } cases[] = {
      {"&HFA2C54800000043", 1126679769824362624.0},
      {"&O76426124400000000103", 1126679769824362624.0},  // the same integer in octal
      {"&H1FFFFFFFFFFFFF", 9007199254740991.0},          // 2^53 - 1, exact
      {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},    // 2^64 - 1 rounds to 2^64
      // (2^24 - 2) * 2^104 = 3.40282326356E+38 lies below 3.402823466E+38.
      {"&HFFFFFE00000000000000000000000000", 3.4028232635611926e38},
  };
  for (const auto& c : cases) {
    NumberScanner scanner;
    scan(scanner, c.text);
    EXPECT_FALSE(scanner.result().overflow) << c.text;
    EXPECT_EQ(scanner.result().value, c.value) << c.text;
  }
}

TEST(NumberScanner, HexadecimalAboveTheLargestNumberOverflows) {
  static const char* const too_large[] = {
      "&HFFFFFF00000000000000000000000000",    // (2^24 - 1) * 2^104 = 3.40282346639E+38
      "&H100000000000000000000000000000000",   // 2^128: more than the digits can hold
      "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", // and far beyond
  };
  for (const char* text : too_large) {
    NumberScanner scanner;
    scan(scanner, text);
    EXPECT_TRUE(scanner.result().overflow) << text;
    EXPECT_EQ(scanner.result().value, 0.0) << text;
  }
}

TEST(NumberScanner, SignificantDigitLimit) {
  NumberScanner fits;
  scan(fits, std::string(300, '0') + "1" + std::string(255, '0') + "e-250");
  EXPECT_FALSE(fits.result().overflow);  // 256 significant digits, leading zeros free
  EXPECT_EQ(fits.result().value, 1e5);

  NumberScanner too_many;
  scan(too_many, "1" + std::string(256, '0') + "e-250");
  EXPECT_TRUE(too_many.result().overflow);
  EXPECT_EQ(too_many.result().value, 0.0);
}

TEST(NumberScanner, ExponentDigitLimit) {
  NumberScanner eighteen;
  scan(eighteen, "1e-000100000000000000000");  // 18 exponent digits after its zeros
  EXPECT_FALSE(eighteen.result().overflow);
  EXPECT_EQ(eighteen.result().value, 0.0);

  NumberScanner nineteen;
  scan(nineteen, "1e-1000000000000000000");
  EXPECT_TRUE(nineteen.result().overflow);
}

TEST(NumberScanner, TellsAFieldWithoutDigits) {
  static const char* const no_digits[] = {"", "-", "+", ".", "-.e5", "E5", "+E5", "D+30"};
  for (const char* text : no_digits) {
    NumberScanner scanner;
    scan(scanner, text);
    EXPECT_FALSE(scanner.result().has_digits) << text;
    EXPECT_EQ(scanner.result().value, 0.0) << text;
  }
}

}  // namespace
}  // namespace console
