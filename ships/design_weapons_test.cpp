#include "ships/design_weapons.h"

#include <gtest/gtest.h>

#include "ships/design_test_support.h"

namespace ships {
namespace {

constexpr float kBudget = 1000;

// The digits and the EP taken by one kind.
struct Expected {
  const char* code;
  const char* battery;
  float ep;
};

class DesignWeaponsTest : public DesignBench {
 protected:
  void start(float tl_effective) {
    fresh_program();
    p.tl_effective = tl_effective;
    p.design_ep_left = kBudget;
  }
  void check(const std::string& code, const std::string& battery, const Expected& e) {
    EXPECT_EQ(code, e.code);
    EXPECT_EQ(battery, e.battery);
    EXPECT_EQ(kBudget - p.design_ep_left, e.ep);
  }
};

TEST_F(DesignWeaponsTest, Lasers) {
  const struct {
    float tl, wpn_1, wpn_2, wpn_4;
    Expected e;
  } cases[] = {
      {10, 0, 0, 0, {"0", " ", 0}},   {10, 1, 0, 0, {"0", " ", 0}},    // half a laser rounds to none
      {10, 3, 0, 0, {"2", "1", 2}},   {10, 5, 0, 0, {"2", "1", 2}},    // 1.5 and 2.5 both give 2
      {10, 0, 1, 0, {"1", "1", 1}},   {10, 0, 2, 1, {"3", "1", 3}},    {10, 0, 5, 0, {"3", "1", 5}},
      {10, 0, 6, 0, {"4", "1", 6}},   {10, 0, 9, 0, {"4", "1", 9}},    {10, 0, 10, 0, {"5", "1", 10}},
      {10, 0, 14, 0, {"5", "1", 14}}, {10, 0, 15, 0, {"6", "1", 15}},  {10, 0, 20, 0, {"6", "1", 20}},
      {10, 0, 21, 0, {"7", "1", 21}}, {10, 0, 29, 0, {"7", "1", 29}},  {10, 0, 30, 0, {"8", "1", 30}},
      {13, 0, 12, 0, {"6", "1", 12}}, {12, 0, 12, 0, {"5", "1", 12}},  {13, 0, 30, 0, {"9", "1", 30}},
      {10, 0, 31, 0, {"8", "1", 31}}, {10, 0, 45, 0, {"8", "2", 45}},  {10, 0, 75, 0, {"8", "2", 75}},
      {10, 0, 76, 0, {"8", "3", 76}}, {10, 0, -3, 0, {"1", "1", -3}},  // a negative count gives EP back
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << k.wpn_1 << " " << k.wpn_2 << " " << k.wpn_4 << " at " << k.tl);
    start(k.tl);
    p.file_wpn_1 = k.wpn_1;
    p.file_wpn_2 = k.wpn_2;
    p.file_wpn_4 = k.wpn_4;
    derive_laser_codes(p, c);
    check(p.design_laser_code, p.design_laser_batt_code, k.e);
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(DesignWeaponsTest, LaserCountTooLargeForSixteenBitsMeansNoLasers) {
  start(10);
  p.file_wpn_2 = 40000;
  host.answer_boxes({true});
  derive_laser_codes(p, c);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Unhandled Error #6");
  check(p.design_laser_code, p.design_laser_batt_code, {"0", " ", 0});
}

TEST_F(DesignWeaponsTest, SandCasters) {
  const struct {
    float tl, count;
    Expected e;
  } cases[] = {
      {10, 0, {"0", " ", 0}},  {10, 10, {"7", "1", 0}}, {7, 3, {"2", "1", 0}},   {8, 8, {"5", "1", 0}},
      {9, 8, {"5", "1", 0}},   {5, 2, {"1", "1", 0}},   {5, 2.5f, {"2", "1", 0}}, {5, 6, {"3", "1", 0}},
      {5, 20, {"6", "1", 0}},  {5, 31, {"7", "1", 0}},  {5, 45, {"7", "2", 0}},   {10, 30, {"9", "1", 0}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << k.count << " at " << k.tl);
    start(k.tl);
    p.file_wpn_6 = k.count;
    derive_sac_codes(p, c);
    check(p.design_sac_code, p.design_sac_batt_code, k.e);
  }
}

TEST_F(DesignWeaponsTest, EnergyWeaponsOfBothKinds) {
  const struct {
    float tl, kind_1, kind_2;
    Expected e;
  } cases[] = {
      {11, 0, 0, {"0", " ", 0}},   {11, 3, 0, {"5", "3", 30}},  {12, 3, 0, {"7", "3", 30}},
      {10, 3, 0, {"4", "3", 30}},  {10, 2, 1, {"7", "1", 40}},  {12, 0, 1, {"7", "1", 20}},
      {13, 0, 1, {"8", "1", 20}},  {14, 0, 2, {"9", "2", 40}},  {10, 31, 0, {"4", "X", 310}},
      {10, 32, 0, {"4", "Y", 320}}, {10, 40, 0, {"4", "Z", 400}}, {10, 2.5f, 0, {"4", "2", 25}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << k.kind_1 << " and " << k.kind_2 << " at " << k.tl);
    start(k.tl);
    p.file_num_8 = k.kind_1;
    p.file_num_14 = k.kind_2;
    derive_energy_codes(p, c);
    check(p.design_energy_code, p.design_energy_batt_code, k.e);
  }
}

TEST_F(DesignWeaponsTest, ParticleWeapons) {
  const struct {
    float tl, wpn_3, num_1, num_6, num_12;
    Expected e;
  } cases[] = {
      {10, 0, 0, 0, 0, {"0", " ", 0}},    {10, 0, 13, 0, 0, {"7", "1", 65}},  {10, 0, 14, 0, 0, {"8", "1", 70}},
      {10, 0, 21, 0, 0, {"8", "2", 105}}, {10, 0, 35, 0, 0, {"8", "2", 175}}, {10, 0, 1, 0, 0, {"1", "1", 5}},
      {10, 0, 0, 1, 0, {"6", "1", 30}},   {10, 0, 0, 0, 1, {"8", "1", 60}},   {10, 4, -3, 0, 0, {"0", " ", 5}},
      {13, 2, 0, 0, 0, {"3", "1", 10}},   {12, 2, 0, 0, 0, {"2", "1", 10}},   {10, 0, 4, 0, 0, {"3", "1", 20}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << k.wpn_3 << " " << k.num_1 << " " << k.num_6 << " " << k.num_12);
    start(k.tl);
    p.file_wpn_3 = k.wpn_3;
    p.file_num_1 = k.num_1;
    p.file_num_6 = k.num_6;
    p.file_num_12 = k.num_12;
    derive_particle_codes(p, c);
    check(p.design_particle_code, p.design_particle_batt_code, k.e);
  }
}

TEST_F(DesignWeaponsTest, MesonGunsOfOneKind) {
  const struct {
    float tl, kind_1, kind_2;
    Expected e;
    float ep_rate;
  } cases[] = {
      {15, 0, 0, {"0", " ", 0}, 100},   {11, 2, 0, {"3", "2", 100}, 50},  {12, 2, 0, {"4", "2", 100}, 50},
      {15, 1, 3, {"4", "1", 50}, 50},   {13, 0, 1, {"3", "1", 100}, 100}, {14, 0, 1, {"5", "1", 100}, 100},
      {15, 0, 2, {"9", "2", 200}, 100}, {11, 33, 0, {"3", "Z", 1650}, 50},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << k.kind_1 << " and " << k.kind_2 << " at " << k.tl);
    start(k.tl);
    p.file_num_9 = k.kind_1;
    p.file_num_15 = k.kind_2;
    derive_meson_codes(p, c);
    check(p.design_meson_code, p.design_meson_batt_code, k.e);
    EXPECT_EQ(p.design_ep_rate, k.ep_rate);
  }
}

TEST_F(DesignWeaponsTest, MissilesHaveFactorOneEvenWithoutMissiles) {
  const struct {
    float tl, wpn_5, num_5, num_11, num_13, num_16;
    float value;
    Expected e;
  } cases[] = {
      {10, 0, 0, 0, 0, 0, 0, {"1", "1", 0}},       {13, 0, 0, 0, 0, 0, 0, {"2", "1", 0}},
      {10, 1, 0, 0, 0, 0, 2.5f, {"1", "1", 0}},    {10, 2, 0, 0, 0, 0, 5, {"2", "1", 0}},
      {10, 11, 0, 0, 0, 0, 27.5f, {"5", "1", 0}},  {10, 12, 0, 0, 0, 0, 30, {"6", "1", 0}},  // at the step
      {10, 23, 0, 0, 0, 0, 57.5f, {"8", "1", 0}},  {10, 34, 0, 0, 0, 0, 85, {"8", "2", 0}},
      {10, 0, 1, 0, 0, 0, 30, {"6", "1", 0}},      {13, 0, 0, 1, 0, 0, 60, {"9", "1", 0}},
      {10, 0, 0, 0, 1, 1, 120, {"8", "2", 0}},     {10, 2, 1, 0, 0, 0, 35, {"6", "1", 0}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << k.wpn_5 << " " << k.num_5 << " " << k.num_11 << " at " << k.tl);
    start(k.tl);
    p.file_wpn_5 = k.wpn_5;
    p.file_num_5 = k.num_5;
    p.file_num_11 = k.num_11;
    p.file_num_13 = k.num_13;
    p.file_num_16 = k.num_16;
    derive_missile_codes(p, c);
    EXPECT_EQ(p.missile_value, k.value);
    check(p.design_missile_code, p.design_missile_batt_code, k.e);
  }
}

// The 24 pairs in order, read through the whole weapons step; the unused values play
// no part.
TEST_F(DesignWeaponsTest, NoWeaponsAtAllFromTheFile) {
  start(15);
  std::vector<std::string> values(24, "0");
  for (const int unused : {7, 8, 9, 22, 23}) values[static_cast<std::size_t>(unused)] = "5";
  open_values(values);
  design_weapons(p, c);
  EXPECT_EQ(p.file_num_2, 5);
  EXPECT_EQ(p.file_num_18, 5);
  for (const std::string* code : {&p.design_sac_code, &p.design_laser_code, &p.design_energy_code,
                                  &p.design_particle_code, &p.design_meson_code}) {
    EXPECT_EQ(*code, "0");
  }
  for (const std::string* battery : {&p.design_sac_batt_code, &p.design_laser_batt_code,
                                     &p.design_energy_batt_code, &p.design_particle_batt_code,
                                     &p.design_meson_batt_code}) {
    EXPECT_EQ(*battery, " ");
  }
  EXPECT_EQ(p.design_missile_code, "2");
  EXPECT_EQ(p.design_missile_batt_code, "1");
  EXPECT_EQ(p.design_ep_left, kBudget);
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace
}  // namespace ships
