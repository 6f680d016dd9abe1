#include "ships/design_profile.h"

#include <gtest/gtest.h>

#include "console/number_text.h"
#include "ships/design_result.h"
#include "ships/design_test_support.h"

namespace ships {
namespace {

class DesignProfileTest : public DesignBench {
 protected:
  // The pieces of the profile "DD-D334AE2-462608-69357" and of its battery line.
  void set_pieces() {
    p.design_class_code = "DD";
    p.hull_size_code = "D";
    p.design_config_code = "3";
    p.design_jdrive_code = "3";
    p.design_mdrive_code = "4";
    p.design_pplant_code = "A";
    p.computer_text = "E";
    p.design_crew_digits_code = "2";
    p.armor_code = "4";
    p.design_sac_code = "6";
    p.digit_text = "2";
    p.design_nud_code = "6";
    p.design_blg_code = "0";
    p.design_rep_code = "8";
    p.design_laser_code = "6";
    p.design_energy_code = "9";
    p.design_particle_code = "3";
    p.design_meson_code = "5";
    p.design_missile_code = "7";
    p.design_sac_batt_code = "1";
    p.design_rep_batt_code = "2";
    p.design_laser_batt_code = "1";
    p.design_energy_batt_code = " ";
    p.design_particle_batt_code = "1";
    p.design_meson_batt_code = " ";
    p.design_missile_batt_code = "Z";
  }
};

TEST_F(DesignProfileTest, PiecesJoinIntoTheProfileAndTheBatteryLine) {
  set_pieces();
  EXPECT_EQ(designed_profile(p), "DD-D334AE2-462608-69357");
  EXPECT_EQ(designed_battery_line(p), "            1   2 1 1 Z");
  // A class code of one character and a computer code missing from the table move
  // every later position to the left.
  p.design_class_code = "D";
  p.computer_text = "";
  EXPECT_EQ(designed_profile(p), "D-D334A2-462608-69357");
}

TEST(DesignAgility, EpLeftPerPercentOfTheTonnageRoundedDown) {
  const struct {
    float ep_left, tons, agility;
  } cases[] = {
      {12, 1000, 1}, {0, 1000, 0}, {-5, 1000, -1}, {121, 4000, 3}, {-36, 2500, -2},
      {39.99f, 1000, 3}, {40, 0, 0},  // no tonnage, no agility
  };
  for (const auto& k : cases) EXPECT_EQ(design_agility_for(k.ep_left, k.tons), k.agility) << k.ep_left;
}

TEST(EpLeftPercentage, DivisionFirstInSinglePrecision) {
  // 12 / 40 is the single 0.300000012; times 100 it is the single just above 30.
  EXPECT_EQ(ep_left_percentage(12, 40), 30.0000019073486328125f);
  EXPECT_EQ(console::number_to_text(ep_left_percentage(12, 40)), " 30");
  EXPECT_EQ(ep_left_percentage(-5, 40), -12.5f);
  EXPECT_EQ(ep_left_percentage(0, 40), 0);
  EXPECT_EQ(ep_left_percentage(5, 0), 0);  // no budget: nothing to take a share of
}

TEST_F(DesignProfileTest, ResultRowsShowTheAgilityAsComputedAndTheRecordAtLeastZero) {
  const struct {
    float ep_left;
    const char* ep_row;
    float agility;
  } cases[] = {
      {12, " EP : 40  12  30 %, Agility : 1", 1},
      {-5, " EP : 40 -5 -12.5 %, Agility :-1", 0},
      {0, " EP : 40  0  0 %, Agility : 0", 0},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.ep_row);
    console::clear_screen(c);
    set_pieces();
    p.current_tons = 1000;
    p.design_ep_total = 40;
    p.design_ep_left = k.ep_left;
    build_design_strings(p, c);
    EXPECT_EQ(row(1), "");
    EXPECT_EQ(row(2), " DD-D334AE2-462608-69357");
    EXPECT_EQ(row(3), "             1   2 1 1 Z");
    EXPECT_EQ(row(4), "");
    EXPECT_EQ(row(5), k.ep_row);
    EXPECT_EQ(c.page.cursor_row(), 6);
    EXPECT_EQ(p.ship_profile[0], "DD-D334AE2-462608-69357");
    EXPECT_EQ(p.ship_agility[0], k.agility);
    EXPECT_EQ(p.ship_ep[0], 40);
  }
}

}  // namespace
}  // namespace ships
