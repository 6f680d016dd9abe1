#include "profile/code_digit.h"

#include <gtest/gtest.h>

#include <string>

#include "program/ship_record_test_support.h"

namespace profile {
namespace {

// A program with ship arrays of 1001 records: record 0 is the designed ship with its
// 31, 32 and 33; record 7 has its own X, Y and Z; the others hold 0.
program::Program program_with_ships() {
  program::Program p = program::program_with_ship_arrays();
  program::put_ship(p, 0, {.code_x = 31, .code_y = 32, .code_z = 33});
  program::put_ship(p, 7, {.code_x = 4, .code_y = 5, .code_z = 6});
  return p;
}

float decoded(program::Program& p, const std::string& character) {
  p.code_char = character;
  p.code_value = -99;  // whatever an earlier call left
  decode_code_char(p);
  return p.code_value;
}

TEST(CodeDigit, FixedCharactersDecodeAlikeOnEveryShip) {
  static const struct {
    const char* character;
    float value;
  } cases[] = {
      {"0", 0}, {"1", 1}, {"5", 5}, {"9", 9},    {"A", 10}, {"D", 13}, {"E", 14},
      {"H", 17}, {"J", 18}, {"N", 22}, {"P", 23}, {"Q", 24}, {"W", 30},
      // Not code digits: they count 0.
      {"I", 0}, {"O", 0}, {"a", 0}, {"w", 0}, {"x", 0}, {"-", 0}, {" ", 0}, {"", 0},
      {".", 0}, {"&", 0}, {"+", 0}, {"\xdb", 0},
  };
  program::Program p = program_with_ships();
  for (float index : {0.0f, 3.0f, 7.0f}) {
    p.ship_index = index;
    for (const auto& c : cases) {
      EXPECT_EQ(decoded(p, c.character), c.value) << "[" << c.character << "] on " << index;
    }
  }
}

TEST(CodeDigit, XYZAreTheShipsOwnValues) {
  static const struct {
    float ship_index;
    float x, y, z;
  } cases[] = {
      {0, 31, 32, 33},  // the designed ship
      {3, 0, 0, 0},     // a listed ship without values of its own
      {7, 4, 5, 6},     // a listed ship with its own values
      {6.5f, 0, 0, 0},  // the index rounds half to even: record 6
      {7.5f, 0, 0, 0},  // record 8
      {7.4f, 4, 5, 6},
      {1001, 0, 0, 0},  // no such record
      {-1, 0, 0, 0},
  };
  program::Program p = program_with_ships();
  for (const auto& c : cases) {
    p.ship_index = c.ship_index;
    EXPECT_EQ(decoded(p, "X"), c.x) << c.ship_index;
    EXPECT_EQ(decoded(p, "Y"), c.y) << c.ship_index;
    EXPECT_EQ(decoded(p, "Z"), c.z) << c.ship_index;
  }
}

TEST(CodeDigit, EncodingRoundsHalfToEvenAndPicksTheCharacter) {
  static const struct {
    float value;
    const char* character;
    float rounded;
  } cases[] = {
      {0, "0", 0},       {-2, "0", -2},      {-0.4f, "0", 0},  {0.5f, "0", 0},
      {1.5f, "2", 2},    {8.5f, "8", 8},     {9.5f, "A", 10},  {17, "H", 17},
      {18, "J", 18},     {22.5f, "N", 22},   {23, "P", 23},    {24, "Q", 24},
      {30, "W", 30},     {31, "X", 31},      {32, "Y", 32},    {33, "Z", 33},
      {250, "Z", 250},   {32767.4f, "Z", 32767}, {-32768.5f, "0", -32768},
  };
  program::Program p = program_with_ships();
  for (const auto& c : cases) {
    console::ErrorState errors;
    p.code_value = c.value;
    encode_code_char(p, errors);
    EXPECT_EQ(p.code_char, c.character) << c.value;
    EXPECT_EQ(p.code_value, c.rounded) << c.value;
    EXPECT_EQ(errors.pending, 0) << c.value;
  }
}

TEST(CodeDigit, EncodingOutsideSixteenBitsIsAnOverflow) {
  program::Program p = program_with_ships();
  for (float value : {40000.0f, 32767.5f, -32768.6f, -1e9f}) {
    console::ErrorState errors;
    p.code_char = "W";
    p.code_value = value;
    encode_code_char(p, errors);
    EXPECT_EQ(errors.pending, 6) << value;
    EXPECT_EQ(p.code_value, 0.0f) << value;
    EXPECT_EQ(p.code_char, "0") << value;
  }
}

TEST(CodeDigit, DecodingAnEncodingGivesTheValueBack) {
  program::Program p = program_with_ships();
  console::ErrorState errors;
  p.ship_index = 0;
  for (int value = 0; value <= 33; ++value) {
    p.code_value = static_cast<float>(value);
    encode_code_char(p, errors);
    EXPECT_EQ(decoded(p, p.code_char), static_cast<float>(value)) << value;
  }
  p.ship_index = 7;  // a listed ship: the whole numbers up to 30 come back
  for (int value = 0; value <= 30; ++value) {
    p.code_value = static_cast<float>(value);
    encode_code_char(p, errors);
    EXPECT_EQ(decoded(p, p.code_char), static_cast<float>(value)) << value;
  }
  p.ship_index = 0;
  for (float value : {-5.0f, 34.0f, 1000.0f}) {
    p.code_value = value;
    encode_code_char(p, errors);
    EXPECT_EQ(decoded(p, p.code_char), value < 0 ? 0.0f : 33.0f) << value;
  }
  EXPECT_EQ(errors.pending, 0);
}

}  // namespace
}  // namespace profile
