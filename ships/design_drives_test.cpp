#include "ships/design_drives.h"

#include <gtest/gtest.h>

#include "ships/design_test_support.h"

namespace ships {
namespace {

class DesignDrivesTest : public DesignBench {
 protected:
  // Pairs 7 to 11 with the P-Plant text given, then the drive step.
  void design_pplant(const std::string& pplant, float tl) {
    console::close_all_files(c);
    fresh_program();
    p.ship_tl[0] = tl;
    p.current_tons = 1000;
    open_values({"1", "0", "0", "0", pplant});
    derive_drive_codes(p, c);
  }
};

TEST_F(DesignDrivesTest, PowerPlantRatingByLetterAndTl) {
  const struct {
    const char* pplant;
    float tl;
    float rating;
    const char* code;
  } cases[] = {
      {"D", 15, 13, "D"}, {"D", 16, 13, "D"}, {"D", 14, 6, "6"},  {"D", 13, 6, "6"},  // 6.5 to even
      {"D", 12, 4, "4"},  {"D", 9, 4, "4"},   {"D", 8, 3, "3"},   {"F", 14, 10, "A"},  // 9.5 up
      {"H", 14, 12, "C"}, {"C", 8, 2, "2"},   {"b", 15, 7, "7"},  {"A", 15, 4, "4"},
      {"Z", 15, 73, "Z"}, {"5", 8, 5, "5"},   {"5", 20, 5, "5"},  {"12", 8, 12, "C"},
      {"2.5", 15, 2, "2"}, {"0", 15, 0, "0"}, {"I", 15, 0, "0"},  {"O", 15, 0, "0"},
      {"AB", 15, 0, "0"}, {"", 15, 0, "0"},   {"-3", 15, 0, "0"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.pplant) + " at TL " + std::to_string(k.tl));
    design_pplant(k.pplant, k.tl);
    EXPECT_EQ(p.design_pplant_rating, k.rating);
    EXPECT_EQ(p.design_pplant_code, k.code);
    EXPECT_EQ(p.design_ep_total, 10 * k.rating);
    EXPECT_EQ(p.design_ep_left, p.design_ep_total);
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(DesignDrivesTest, PowerPlantNumberTooLargeForSixteenBitsGivesRatingZero) {
  host.answer_boxes({true});
  design_pplant("40000", 15);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Unhandled Error #6");
  EXPECT_EQ(p.design_pplant_rating, 0);
  EXPECT_EQ(p.design_pplant_code, "0");
  EXPECT_EQ(p.design_ep_total, 0);
}

TEST_F(DesignDrivesTest, ConfigurationArmorAndDrives) {
  p.ship_tl[0] = 12;
  p.current_tons = 1000;
  open_values({"ab", "9.5", "22.5", "-2", "D"});
  derive_drive_codes(p, c);
  EXPECT_EQ(p.design_config_code, "ab");  // taken as read
  EXPECT_EQ(p.armor_rating, 9.5f);
  EXPECT_EQ(p.armor_code, "A");
  EXPECT_EQ(p.design_jdrive_rating, 22.5f);
  EXPECT_EQ(p.design_jdrive_code, "N");
  EXPECT_EQ(p.design_mdrive_code, "0");
  EXPECT_EQ(p.pplant_code, "D");
  EXPECT_EQ(p.design_pplant_letter_value, 13);
  EXPECT_EQ(p.design_ep_total, 40);  // 1000 tons x 0.01 x rating 4
  EXPECT_EQ(p.ship_code_x[0], 31);
  EXPECT_EQ(p.ship_code_y[0], 32);
  EXPECT_EQ(p.ship_code_z[0], 33);
}

TEST_F(DesignDrivesTest, ComputerModelCharacterAndEp) {
  const struct {
    const char* code;
    const char* count;
    const char* bonus;
    float model;
    const char* profile_char;
    float ep_left;  // of 100
    const char* row;
  } cases[] = {
      {"5f", "2", "1", 11, "E", 94, " Computer 11"},
      {"1", "1", "0", 1, "1", 100, " Computer 1"},
      {"9F", "0", "0", 9, "J", 88, " Computer 9"},  // a count of 0 counts as 1
      {"1r", "1", "0", 1, "R", 100, " Computer 1"},
      {"2B", "3", "0", 6, "S", 100, " Computer 6"},
      {"7", "2", ".5", 14.5f, "7", 86, " Computer 14.5"},
      {"6", "-2", "0", -12, "6", 110, " Computer-12"},  // a negative count adds EP
      {"A5", "3", "4", 4, "", 100, " Computer 4"},      // not in the table
      {"", "2", "0", 0, "", 100, " Computer 0"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.code);
    console::close_all_files(c);
    console::clear_screen(c);
    p.comp_ep = 0;
    p.comp_char.clear();
    p.design_ep_left = 100;
    open_values({k.code, k.count, k.bonus});
    derive_computer_code(p, c);
    EXPECT_EQ(p.computer_model, k.model);
    EXPECT_EQ(p.computer_text, k.profile_char);
    EXPECT_EQ(p.design_ep_left, k.ep_left);
    EXPECT_EQ(row(1), "");
    EXPECT_EQ(row(2), k.row);
    EXPECT_EQ(c.page.cursor_row(), 3);
  }
  EXPECT_EQ(p.computer_bonus, 0);
}

TEST(FileComputerModels, PlainDigitsKeepTheirDigitAndFibCodesTheirLetter) {
  const struct {
    const char* code;
    float ep;
    const char* profile_char;
  } cases[] = {
      {"1", 0, "1"}, {"1F", 0, "A"}, {"2F", 0, "B"}, {"3", 1, "3"},  {"3F", 1, "C"},  {"4F", 2, "D"},
      {"5", 3, "5"}, {"6F", 5, "F"}, {"7F", 7, "G"}, {"8", 9, "8"},  {"8F", 9, "H"},  {"9F", 12, "J"},
  };
  for (const auto& k : cases) {
    const FileComputerModel* row = file_computer_model(k.code);
    ASSERT_NE(row, nullptr) << k.code;
    EXPECT_EQ(row->ep_each, k.ep) << k.code;
    EXPECT_STREQ(row->profile_char, k.profile_char) << k.code;
  }
  for (const char* unknown : {"5f", "0", "10", "F", "1B", ""}) EXPECT_EQ(file_computer_model(unknown), nullptr);
}

TEST(PplantLetterValues, FourPlusThreeTimesThePlaceWithoutIAndO) {
  const std::string letters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const float* value = pplant_letter_value(letters.substr(i, 1));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(*value, 4 + 3 * static_cast<float>(i)) << letters[i];
  }
  for (const char* other : {"I", "O", "a", "AA", "", "1"}) EXPECT_EQ(pplant_letter_value(other), nullptr);
}

}  // namespace
}  // namespace ships
