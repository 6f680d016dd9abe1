#include "console/number_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace console {
namespace {

std::string zeros(std::size_t n) { return std::string(n, '0'); }

// Types the keys one by one as the prompt does: a key whose line the rules refuse is
// dropped again.
std::string typed_line(const std::string& keys) {
  std::string line;
  for (char key : keys) {
    line.push_back(key);
    if (!number_line_accepted(line)) line.pop_back();
  }
  return line;
}

TEST(NumberLine, EmptyLineIsAccepted) { EXPECT_TRUE(number_line_accepted("")); }

// Every case is an accepted line and one further character; the table says whether
// the longer line is accepted too.
TEST(NumberLine, OneMoreCharacter) {
  const std::string hex15(15, 'F');
  const std::string seven20(20, '7');
  const struct {
    std::string line;
    char next;
    bool accepted;
  } cases[] = {
      // Sign, the lone "0", the point.
      {"", '1', true},
      {"", '-', true},
      {"", '.', true},
      {"", '0', true},
      {"", '+', false},
      {"", ' ', false},
      {"", 'E', false},
      {"", ',', false},
      {"-", '-', false},
      {"-", '.', true},
      {"-", '0', true},
      {"-", '&', false},
      {"0", '.', true},
      {"0", '5', false},
      {"0", '0', false},
      {"-0", '1', false},
      {"0", 'E', false},
      {"0.", '5', true},
      {"-0", '.', true},
      {"1.5", '.', false},
      {"1", ',', false},
      {"1", ' ', false},
      {"1", 'a', false},
      {"1", '-', false},
      // The exponent.
      {"1", 'E', true},
      {"1", 'e', true},
      {"1", 'D', false},
      {"1", 'd', false},
      {"1.5", 'E', true},
      {".5", 'e', true},
      {"0.05", 'E', true},
      {"1.", 'E', false},
      {".", 'E', false},
      {"0.0", 'E', false},
      {"-", 'E', false},
      {"1E", '-', true},
      {"1E", '+', true},
      {"1E", 'E', false},
      {"1E-", '-', false},
      {"1E-", '5', true},
      {"1E", '0', true},
      {"1E0", '1', false},
      {"1E-0", '0', false},
      {"1E1", '0', true},
      {"1E", '.', false},
      // Eight digits when digits follow the point.
      {"12345678", '9', true},
      {"123456789", '0', true},
      {"1234.567", '8', true},
      {"1234.5678", '9', false},
      {"12345678.", '9', false},
      {"12345678.", '0', true},
      {"12345678.0", '1', false},
      {"123456789.", '0', false},
      {"0.1234567", '8', true},
      {"0.12345678", '9', false},
      {".1234567", '8', true},
      {".12345678", '9', false},
      {".0001234567", '8', true},
      {".00012345678", '9', false},
      {"1.0000000", '0', false},
      {"1.2345678E", '5', true},
      // At most 43 zeros right after the point.
      {"." + zeros(42), '0', true},
      {"." + zeros(43), '0', false},
      {"0." + zeros(43), '0', false},
      {"." + zeros(43), '1', true},
      // The upper end of single precision: 39 digits, the first seven up to 3402823.
      {"1" + zeros(37), '0', true},
      {"1" + zeros(38), '0', false},
      {"3402823" + zeros(31), '9', true},
      {"3402824" + zeros(31), '0', false},
      {"1E3", '8', true},
      {"1E3", '9', false},
      {"3.402823E3", '8', true},
      {"3.402824E3", '8', false},
      {"3.4028239E3", '8', true},
      {".5E3", '9', false},
      {".3E3", '9', true},
      {"1" + zeros(38) + "E", '1', false},
      {"1" + zeros(38) + "E", '-', true},
      // The lower end: 1.401298E-45, on the first seven significant digits.
      {"1.401298E-4", '5', true},
      {"1.401297E-4", '5', false},
      {"1.4012979E-4", '5', false},
      {"1.4E-4", '5', false},
      {"1.5E-4", '5', true},
      {"9E-4", '5', true},
      {"9E-4", '6', false},
      {"1E-4", '6', false},
      {"1E-", '9', true},
      {".1E-4", '3', true},
      {".1E-4", '4', false},
      {".2E-4", '4', true},
      // Base 16 and base 8.
      {"", '&', true},
      {"&", 'H', true},
      {"&", 'h', true},
      {"&", 'O', true},
      {"&", 'o', true},
      {"&", '1', false},
      {"&", 'B', false},
      {"&", '-', false},
      {"&H", 'F', true},
      {"&H", 'a', true},
      {"&H", 'G', false},
      {"&h", 'g', false},
      {"&H" + hex15, 'F', true},
      {"&H" + hex15 + "F", '0', false},
      {"&H1", '.', false},
      {"&O", '7', true},
      {"&O", '8', false},
      {"&O", '9', false},
      {"&O" + seven20, '7', true},
      {"&O1" + seven20, '7', true},
      {"&O0" + seven20, '7', true},
      {"&O7" + seven20, '7', false},
      {"&O2" + seven20, '0', false},
      {"&O1" + seven20 + "7", '7', false},
      // The quoted form.
      {"", '"', true},
      {"\"", '1', true},
      {"\"", '"', true},
      {"\"12", '"', true},
      {"\"12\"", '3', false},
      {"\"12\"", '"', false},
      {"\"\"", ' ', false},
      {"\"", '+', false},
      {"\"0", '5', false},
      {"\"1234.5678", '9', false},
      {"\"", '&', true},
      {"\"&H", 'F', true},
      {"1", '"', false},
      {"-", '"', false},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(number_line_accepted(c.line)) << "[" << c.line << "]";
    EXPECT_EQ(number_line_accepted(c.line + c.next), c.accepted)
        << "[" << c.line << "] + '" << c.next << "'";
  }
}

TEST(NumberLine, TypedKeysKeepOnlyWhatTheRulesAccept) {
  static const struct {
    const char* keys;
    const char* line;
  } cases[] = {
      {"05", "0"},                // a digit after a leading zero is refused
      {"0.5", "0.5"},
      {"1a", "1"},                // the letter never stays
      {"1234.56789", "1234.5678"},  // nine digits with a point: the ninth is refused
      {"123456789", "123456789"},   // nine digits without a point are accepted
      {"+ 12", "12"},
      {"1.2.3", "1.23"},
      {"1E05", "1E0"},
      {"1.E5", "1.5"},
      {"&HFG1", "&HF1"},
      {"\"12\"3", "\"12\""},
  };
  for (const auto& c : cases) EXPECT_EQ(typed_line(c.keys), c.line) << c.keys;
}

TEST(NumberLine, LargestNumbersKeepTheRangeRule) {
  // 3.4028235E+38 rounds to the largest float; 3.4028239E+38 passes the seven-digit
  // comparison although it lies beyond the largest float and its rounding half step.
  EXPECT_TRUE(number_line_accepted("3.4028235E38"));
  EXPECT_TRUE(number_line_accepted("3.4028239E38"));
  EXPECT_TRUE(number_line_accepted("-" + std::string("3402823") + zeros(32)));
  EXPECT_FALSE(number_line_accepted("3.402824E38"));
}

TEST(NumberLine, ValueOfTheLine) {
  const float largest = std::numeric_limits<float>::max();
  const float two_54_plus_2_31 = std::ldexp(1.0f, 54) + std::ldexp(1.0f, 31);
  const struct {
    std::string line;
    float value;
  } cases[] = {
      // Unfinished tails count as absent.
      {"", 0.0f},
      {"-", 0.0f},
      {".", 0.0f},
      {"-.", 0.0f},
      {"12E", 12.0f},
      {"12E-", 12.0f},
      {"12e+", 12.0f},
      {"1.", 1.0f},
      {"0.", 0.0f},
      // Plain decimals, rounded once to the nearest float.
      {"0", 0.0f},
      {"12", 12.0f},
      {"0.5", 0.5f},
      {"-0.5", -0.5f},
      {".25", 0.25f},
      {"0.1", 0.1f},
      {"-1.2345678", -1.2345678f},
      {"1.5E3", 1500.0f},
      {"25E-1", 2.5f},
      {"-3e2", -300.0f},
      {"123456789", 123456792.0f},
      {"16777217", 16777216.0f},  // a tie, to the even neighbour
      // One above the midpoint between 2^54 and 2^54 + 2^31: rounding through double
      // would land on the midpoint and then tie down to 2^54.
      {"18014399583223809", two_54_plus_2_31},
      {"." + zeros(43) + "1", 1e-44f},
      {"1.401298E-45", std::numeric_limits<float>::denorm_min()},
      {"3.4028235E38", largest},
      {"3.4028239E38", largest},  // beyond the largest float: the nearest float
      {"-3.4028239E38", -largest},
      // Base 16 and base 8, as unsigned 64-bit numbers.
      {"&", 0.0f},
      {"&H", 0.0f},
      {"&O", 0.0f},
      {"&HFF", 255.0f},
      {"&hff", 255.0f},
      {"&O17", 15.0f},
      {"&o777", 511.0f},
      {"&H1000001", 16777216.0f},
      {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0f},
      {"&O1777777777777777777777", 18446744073709551616.0f},
      // The quoted form reads the number inside.
      {"\"12\"", 12.0f},
      {"\"-2.5", -2.5f},
      {"\"\"", 0.0f},
      {"\"&H10\"", 16.0f},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(number_line_accepted(c.line)) << "[" << c.line << "]";
    EXPECT_EQ(number_line_value(c.line), c.value) << "[" << c.line << "]";
  }
}

TEST(NumberLine, ZeroIsNeverNegative) {
  for (const char* line : {"-", "-0", "-0.", "-.0", "-0.000"}) {
    EXPECT_EQ(number_line_value(line), 0.0f) << line;
    EXPECT_FALSE(std::signbit(number_line_value(line))) << line;
  }
}

}  // namespace
}  // namespace console
