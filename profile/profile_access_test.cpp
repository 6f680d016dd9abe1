#include "profile/profile_access.h"

#include <gtest/gtest.h>

#include <string>

#include "program/ship_record_test_support.h"

namespace profile {
namespace {

TEST(ProfileAccess, OneCharacterOrTheEmptyText) {
  program::Program p = program::program_with_ship_arrays();
  program::put_ship(p, 2, {.profile = "BB-C122241-530000-62002-X1",
                           .batteries = std::string(12, ' ') + "2" + std::string(5, ' ') + "21  3"});
  program::put_ship(p, 3, {.profile = "CS-A1111"});
  p.ship_index = 2.5f;  // rounds half to even: record 2
  static const struct {
    int position;
    const char* profile;
    const char* battery;
  } cases[] = {
      {1, "B", " "},  {3, "-", " "},  {4, "C", " "},  {9, "4", " "},  {13, "3", "2"},
      {19, "6", "2"}, {20, "2", "1"}, {22, "0", " "}, {23, "2", "3"}, {24, "-", ""},
      {26, "1", ""},  {27, "", ""},   {0, "", ""},    {-1, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(profile_char(p, c.position), c.profile) << c.position;
    EXPECT_EQ(battery_char_at(p, c.position), c.battery) << c.position;
  }
  EXPECT_EQ(profile_class_code(p), "BB");
  p.ship_index = 3;
  EXPECT_EQ(profile_char(p, 4), "A");
  EXPECT_EQ(profile_char(p, 9), "");
  p.ship_profile[3] = "C";
  EXPECT_EQ(profile_class_code(p), "C");
}

TEST(ProfileAccess, DecodedPositionsAndColumns) {
  program::Program p = program::program_with_ship_arrays();
  program::put_ship(p, 5, {.profile = "BB-X122241-530000-6",  // 19 characters
                           .batteries = std::string(12, ' ') + "Z",
                           .code_x = 4,
                           .code_z = 7});
  p.ship_index = 5;
  EXPECT_EQ(decode_profile_position(p, position::kHullSize), 4.0f);
  EXPECT_EQ(p.code_char, "X");
  EXPECT_EQ(decode_profile_position(p, position::kArmor), 5.0f);
  EXPECT_EQ(decode_profile_position(p, position::kLaser), 6.0f);
  EXPECT_EQ(decode_profile_position(p, position::kParticle), 0.0f);  // beyond the end
  EXPECT_EQ(p.code_char, "");
  EXPECT_EQ(decode_battery_column(p, position::kSac), 7.0f);
  EXPECT_EQ(decode_battery_column(p, position::kRep), 0.0f);
  p.ship_index = 1001;  // no such record: every character is the empty text
  EXPECT_EQ(profile_char(p, 1), "");
  EXPECT_EQ(decode_profile_position(p, position::kArmor), 0.0f);
}

// Column 13 holds the SaC batteries; a count of up to two is one battery.
TEST(ProfileAccess, UpToTwoSacBatteriesCountAsOne) {
  static const struct {
    const char* line;
    float code_x;
    const char* character;
    float batteries;
  } cases[] = {
      {"            1", 0, "1", 1},  {"            2", 0, "2", 1}, {"            3", 0, "3", 3},
      {"            A", 0, "A", 10}, {"             ", 0, " ", 1}, {"", 0, "", 1},
      {"            X", 2, "X", 1},  {"            X", 5, "X", 5},
  };
  for (const auto& c : cases) {
    program::Program p = program::program_with_ship_arrays();
    program::put_ship(p, 4, {.batteries = c.line, .code_x = c.code_x});
    p.ship_index = 4;
    EXPECT_EQ(decode_sac_batteries(p), c.batteries) << "[" << c.line << "]";
    EXPECT_EQ(p.battery_char, c.character) << "[" << c.line << "]";
  }
}

}  // namespace
}  // namespace profile
