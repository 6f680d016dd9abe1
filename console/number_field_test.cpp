#include "console/number_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace console {
namespace {

// One write of number fields: an empty output and position 0, then one call per value.
struct Write {
  std::string output;
  std::vector<int> positions;
  ErrorState errors;
};

Write write_fields(const std::string& format, const std::vector<float>& values) {
  Write write;
  int position = 0;
  for (float x : values) {
    position = format_number_field(write.errors, format, position, x, write.output);
    write.positions.push_back(position);
  }
  return write;
}

TEST(NumberField, LaysOutAValueInItsField) {
  static const struct {
    const char* field;
    float x;
    const char* laid_out;
  } cases[] = {
      {"##", 2.5f, " 3"},
      {"##", 1.5f, " 2"},
      {"##", 0.5f, " 1"},
      {"##", -2.5f, "-3"},
      {"##", 0.4f, " 0"},
      {"##", -0.4f, "-0"},
      {"##", 0.0f, " 0"},
      {"##", -0.0f, " 0"},  // not below zero
      {"##", 9.5f, "10"},
      {"##", 99.5f, "%100"},
      {"##", -9.0f, "-9"},
      {"##", -10.0f, "%-10"},  // the "-" takes one of the two positions
      {"#", 9.5f, "%10"},
      {"+##", 5.0f, "+ 5"},
      {"+##", -3.0f, "- 3"},
      {"+##", -10.0f, "-10"},
      {"+##", 0.0f, "+ 0"},
      {"+##", 123.0f, "%+123"},
      {"###.", 7.0f, "  7."},
      {"###.", 0.4f, "  0."},
      {"###.", -7.0f, " -7."},
      {"######,", 1000.0f, "  1,000"},
      {"######,", 123456.0f, "123,456"},
      {"######,", 999999.5f, "%1,000,000"},
      {"######,", -12345.0f, "-12,345"},
      {"######,", -123456.0f, "%-123,456"},
      {"##,##", 1234.0f, "1,234"},
      {"##,##", 12345.0f, "%12,345"},
      {"#.##", 0.125f, "0.13"},
      {"#.##", 2.675f, "2.67"},  // 2.6749999523...
      {"#.##", 0.625f, "0.63"},  // a tie: away from zero
      {"#.##", -0.625f, "-.63"},
      {"#.##", -0.5f, "-.50"},   // no position left for the "0"
      {"#.##", 9.995f, "9.99"},     // 9.99499988555...
      {"#.##", 9.996f, "%10.00"},   // rounds up past the field
      {"####", 5 * 0.5f, "   3"},
      {".##", 0.5f, ".50"},
      {".##", 0.004f, ".00"},
      {".##", -0.5f, "%-.50"},   // the "-" has no position at all
      {"+.#", 0.25f, "+.3"},
      {"##.#", 3.14159f, " 3.1"},
      {"##.#####", 0.1f, " 0.10000"},
  };
  for (const auto& c : cases) {
    const Write write = write_fields(c.field, {c.x});
    EXPECT_EQ(write.output, c.laid_out) << c.field << " with " << c.x;
    EXPECT_EQ(write.positions, std::vector<int>{0}) << c.field << " with " << c.x;
    EXPECT_EQ(write.errors.pending, 0) << c.field << " with " << c.x;
  }
}

// The formats of the program, each with values that show its parse: literal text is
// copied, every field takes one value, and the position of the next field comes back.
TEST(NumberField, LaysOutTheFormatsOfTheProgram) {
  static const struct {
    const char* format;
    std::vector<float> values;
    std::vector<int> positions;
    const char* output;
  } cases[] = {
      {"###. ", {12}, {0}, " 12. "},
      {"###. ", {7.5f}, {0}, "  8. "},
      {"## ", {7}, {0}, " 7 "},
      {"######,t ", {1000}, {0}, "  1,000t "},
      {"######,t ", {999999.5f}, {0}, "%1,000,000t "},
      {"#[##", {2, 15}, {2, 0}, "2[15"},
      {"-#", {3}, {0}, "-3"},
      {"-#", {-3}, {0}, "-%-3"},  // the literal "-", then a field too small for "-3"
      {"-#] ", {4}, {0}, "-4] "},
      {"\xB3##", {12}, {0}, "\xB3" "12"},
      {"##x COM ", {3}, {0}, " 3x COM "},
      {" ARM## \xB3", {5}, {0}, " ARM 5 \xB3"},
      {"\xB3 EVASION  +## \xB3 Batt. \xB3 S \xB3 L \xBA CM+#",
       {3, 2},
       {35, 0},
       "\xB3 EVASION  + 3 \xB3 Batt. \xB3 S \xB3 L \xBA CM+2"},
      {"\xB3 EVASION  +## \xB3 Batt. \xB3 S \xB3 L \xBA CM+#",
       {-1, -4},
       {35, 0},
       "\xB3 EVASION  - 1 \xB3 Batt. \xB3 S \xB3 L \xBA CM-4"},
      {"\xB3## ", {10}, {0}, "\xB3" "10 "},
      {"CT##", {4}, {0}, "CT 4"},
      {" x## \xB3", {2}, {0}, " x 2 \xB3"},
      {"\xB3####   \xB3## ", {1200, 6}, {9, 0}, "\xB3" "1200   \xB3 6 "},
      {"## \xB3", {15}, {0}, "15 \xB3"},
      {"###\xB3", {100}, {0}, "100\xB3"},
      {"\xB3 ## \xB3", {8}, {0}, "\xB3  8 \xB3"},
      {" M-Drive## Agility##  Skill :  1  2  3  4  5  6",
       {6, 3},
       {18, 0},
       " M-Drive 6 Agility 3  Skill :  1  2  3  4  5  6"},
      {"###", {42}, {0}, " 42"},
      {" Class   : #", {5}, {0}, " Class   : 5"},
      {" BEAM    :##", {7}, {0}, " BEAM    : 7"},
      {" MISSILE :##", {12}, {0}, " MISSILE :12"},
      {" SREENS  :##", {3}, {0}, " SREENS  : 3"},
  };
  for (const auto& c : cases) {
    const Write write = write_fields(c.format, c.values);
    EXPECT_EQ(write.output, c.output) << c.format;
    EXPECT_EQ(write.positions, c.positions) << c.format;
    EXPECT_EQ(write.errors.pending, 0) << c.format;
  }
}

TEST(NumberField, MoreValuesThanFieldsStartAgainAtTheBeginningOfTheFormat) {
  const Write write = write_fields("#[##", {2, 15, 3});
  EXPECT_EQ(write.output, "2[153[");
  EXPECT_EQ(write.positions, (std::vector<int>{2, 0, 2}));
  EXPECT_EQ(write.errors.pending, 0);
}

TEST(NumberField, FewerValuesThanFieldsEndBeforeTheFirstEmptyField) {
  const Write write = write_fields("a#b#c", {1});
  EXPECT_EQ(write.output, "a1b");
  EXPECT_EQ(write.positions, std::vector<int>{3});
}

TEST(NumberField, AScanThatReachesTheEndGoesOnFromTheStart) {
  static const struct {
    int position;
    const char* output;
  } cases[] = {
      {3, "cdab1cd"},  // the literal text after the field, then the format again
      {5, "ab1cd"},    // the end itself
      {99, "ab1cd"},   // outside the format: its end
      {-1, "ab1cd"},
  };
  for (const auto& c : cases) {
    ErrorState errors;
    std::string output;
    EXPECT_EQ(format_number_field(errors, "ab#cd", c.position, 1, output), 0);
    EXPECT_EQ(output, c.output) << "position " << c.position;
    EXPECT_EQ(errors.pending, 0);
  }
}

TEST(NumberField, AFormatWithoutAFieldIsAnIllegalFunctionCall) {
  static const char* const formats[] = {"", "abc", "+", ".", "+.", ",", "-. Batt.", "+,"};
  for (const char* format : formats) {
    ErrorState errors;
    std::string output = ">";
    EXPECT_EQ(format_number_field(errors, format, 0, 1, output), 0) << format;
    EXPECT_EQ(output, std::string(">") + format) << format;  // the literal text stays
    EXPECT_EQ(errors.pending, 5) << format;
  }
}

TEST(NumberField, ReadsTheFieldsOfAFormat) {
  static const struct {
    const char* format;
    std::vector<float> values;
    std::vector<int> positions;
    const char* output;
  } cases[] = {
      {",##", {5}, {0}, ", 5"},              // a "," before any "#" is literal
      {"#,,#", {123}, {0}, " 123"},          // W 4 with commas: 3 digits
      {"+x##", {5}, {0}, "+x 5"},            // a "+" that begins no field is literal
      {"++#", {5}, {0}, "++5"},
      {"#.#.#", {1.25f, 0.25f}, {3, 0}, "1.3.3"},  // the fields "#.#" and ".#"
      {"##.", {3}, {0}, " 3."},
      {"a.b#", {1}, {0}, "a.b1"},
  };
  for (const auto& c : cases) {
    const Write write = write_fields(c.format, c.values);
    EXPECT_EQ(write.output, c.output) << c.format;
    EXPECT_EQ(write.positions, c.positions) << c.format;
  }
}

TEST(NumberField, MarksInfinitiesAndValuesThatAreNotNumbers) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(write_fields("##", {inf}).output, "%INF");
  EXPECT_EQ(write_fields("+##", {-inf}).output, "%-INF");
  EXPECT_EQ(write_fields("##", {std::nanf("")}).output, "%NAN");
}

}  // namespace
}  // namespace console
