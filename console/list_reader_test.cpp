#include "console/list_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace console {
namespace {

TEST(ReadListText, TakesItemsAsTheyStand) {
  static const struct {
    const char* list;
    const char* item;
    std::size_t next;
  } cases[] = {
      {"  x,y", "  x", 4},             // blanks belong to the item
      {"\"a,b\",c", "a,b", 6},         // commas inside quotes belong to it
      {"\"a,b\"", "a,b", 5},           // closing quote at the end of the text
      {"ab\"c\",d", "ab\"c\"", 6},     // a quote after the first byte is a character
      {"x  ,y", "x  ", 4},             // nothing trimmed at the end either
      {",y", "", 1},                   // an empty item
      {"last", "last", 4},             // the end of the text ends the item
      {"\"open,to the end", "open,to the end", 16},  // no closing quote
      {"\"\",z", "", 3},               // an empty quoted item
  };
  for (const auto& c : cases) {
    ErrorState errors;
    std::size_t position = 0;
    EXPECT_EQ(read_list_text(errors, c.list, position), c.item) << c.list;
    EXPECT_EQ(position, c.next) << c.list;
    EXPECT_EQ(errors.pending, 0) << c.list;
  }
}

TEST(ReadListText, AByteAfterTheClosingQuoteIsOutOfData) {
  const std::string list = "\"ab\"c,d";
  ErrorState errors;
  std::size_t position = 0;
  EXPECT_EQ(read_list_text(errors, list, position), "");
  EXPECT_EQ(errors.pending, 4);
  EXPECT_EQ(position, 4u);  // on the c
  errors.pending = 0;
  EXPECT_EQ(read_list_text(errors, list, position), "c");
  EXPECT_EQ(read_list_text(errors, list, position), "d");
}

TEST(ReadListText, ReadsTheListItemByItemAndThenRunsOutOfData) {
  const std::string list = "\"Ship A\",12,\"  Ship B\",XXX";
  ErrorState errors;
  std::size_t position = 0;
  EXPECT_EQ(read_list_text(errors, list, position), "Ship A");
  EXPECT_EQ(read_list_number(errors, list, position), 12.0);
  EXPECT_EQ(read_list_text(errors, list, position), "  Ship B");
  EXPECT_EQ(read_list_text(errors, list, position), "XXX");
  EXPECT_EQ(errors.pending, 0);
  for (int again = 0; again < 3; ++again) {
    errors.pending = 0;
    EXPECT_EQ(read_list_text(errors, list, position), "");
    EXPECT_EQ(errors.pending, 4);
    errors.pending = 0;
    EXPECT_EQ(read_list_number(errors, list, position), 0.0);
    EXPECT_EQ(errors.pending, 4);
  }
  EXPECT_EQ(position, list.size());
}

TEST(ReadListNumber, ReadsNumberItems) {
  static const struct {
    const char* list;
    double value;
    std::size_t next;
  } cases[] = {
      {"00,x", 0.0, 3},
      {"16536.724", 16536.724, 9},
      {"-3,x", -3.0, 3},
      {"+4.5", 4.5, 4},
      {",x", 0.0, 1},          // an empty item
      {"-,x", 0.0, 2},         // a lone sign has no digits
      {"1.5E2,", 150.0, 6},
      {"25d-1", 2.5, 5},
      {"1e", 1.0, 2},          // an exponent letter without digits
      {"&H1F,", 31.0, 5},
      {"&o17", 15.0, 4},
      {"&HfF", 255.0, 4},
      {"0.000125", 0.000125, 8},
      {"E5,x", 0.0, 3},        // an exponent with no digit before it: no digits, 0
      {"+E5", 0.0, 3},
      {"D+30,x", 0.0, 5},
  };
  for (const auto& c : cases) {
    ErrorState errors;
    std::size_t position = 0;
    EXPECT_EQ(read_list_number(errors, c.list, position), c.value) << c.list;
    EXPECT_EQ(position, c.next) << c.list;
    EXPECT_EQ(errors.pending, 0) << c.list;
  }
}

TEST(ReadListNumber, StoredInSinglePrecision) {
  ErrorState errors;
  const std::string list = ".2,16536.724";
  std::size_t position = 0;
  EXPECT_EQ(static_cast<float>(read_list_number(errors, list, position)), 0.2f);
  const float value = static_cast<float>(read_list_number(errors, list, position));
  EXPECT_EQ(value, 16536.724f);
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", value);  // seven significant digits
  EXPECT_STREQ(text, "16536.72");
}

// The integer of the digits, 1126679769824362563, is the double 0xFA2C54800000080
// (the nearest, doubles being 2^7 apart there); stored in single precision, where
// numbers are 2^36 apart, its low 36 bits 0x800000080 lie above half of 2^36, so it
// rounds up to 0xFA2C55 * 2^36.
TEST(ReadListNumber, AHexadecimalItemIsTheNearestNumberToItsDigits) {
  ErrorState errors;
  std::size_t position = 0;
  const double value = read_list_number(errors, "&HFA2C54800000043", position);
  EXPECT_EQ(errors.pending, 0);
  EXPECT_EQ(value, 1126679769824362624.0);
  EXPECT_EQ(static_cast<float>(value), std::ldexp(static_cast<float>(0xFA2C55), 36));
}

TEST(ReadListNumber, AByteThatDoesNotFitIsASyntaxErrorAndTheItemIsReadAgain) {
  static const char* const lists[] = {"1 2,5", " 1,5", "1.2.3,5", "\"1\",5", "1e5.0,5",
                                      "12x,5", "1-2,5", "&G1,5"};
  for (const char* list : lists) {
    ErrorState errors;
    std::size_t position = 0;
    EXPECT_EQ(read_list_number(errors, list, position), 0.0) << list;
    EXPECT_EQ(errors.pending, 2) << list;
    EXPECT_EQ(position, 0u) << list;
    errors.pending = 0;
    EXPECT_EQ(read_list_number(errors, list, position), 0.0) << list;
    EXPECT_EQ(errors.pending, 2) << list << " is read from its start again";
    EXPECT_EQ(position, 0u) << list;
  }
}

TEST(ReadListNumber, OverflowLeavesThePositionAtTheItem) {
  static const char* const lists[] = {
      "4E38,1",                       // above 3.402823466E+38
      "-4E38,1",                      // the same size below zero
      "1E309,1",                      // beyond a double
      "1E1234567890123456789,1",      // 19 exponent digits
      "&H1000000000000000000000000000000000,1",  // 2^132
  };
  for (const char* list : lists) {
    ErrorState errors;
    std::size_t position = 0;
    EXPECT_EQ(read_list_number(errors, list, position), 0.0) << list;
    EXPECT_EQ(errors.pending, 6) << list;
    EXPECT_EQ(position, 0u) << list;
  }
}

TEST(ReadListNumber, DoesNothingWhileAnErrorIsPending) {
  ErrorState errors;
  errors.pending = 53;
  std::size_t position = 0;
  EXPECT_EQ(read_list_number(errors, "7,8", position), 0.0);
  EXPECT_EQ(read_list_text(errors, "7,8", position), "");
  EXPECT_EQ(position, 0u);
  EXPECT_EQ(errors.pending, 53);
}

}  // namespace
}  // namespace console
