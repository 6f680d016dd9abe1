#include "ships/design_defences.h"

#include <gtest/gtest.h>

#include "ships/design_test_support.h"

namespace ships {
namespace {

constexpr float kBudget = 1000;

class DesignDefencesTest : public DesignBench {
 protected:
  void start(float tl_effective, const std::vector<std::string>& values) {
    console::close_all_files(c);
    fresh_program();
    p.tl_effective = tl_effective;
    p.current_tons = 1000;
    p.design_ep_left = kBudget;
    p.design_ep_rate = 100;  // as the meson guns leave it
    open_values(values);
  }
};

TEST_F(DesignDefencesTest, MesAndNudByEffectiveTl) {
  const struct {
    float tl;
    const char* mes;
    const char* nud;
    const char* mes_digit;
    const char* nud_digit;
    float ep;
  } cases[] = {
      {11, "3", "Y", "0", "0", 0},    {12, "2", "N", "2", "0", 2},   {12, "0", "", "0", "0", 2},
      {12, "", "", "0", "0", 2},      {12, "x", "", "0", "0", 2},    {12, "-1", "Y", "0", "1", 10},
      {12, "2.5", "", "2", "0", 2},   {12, "3.5", "", "4", "0", 2},  {14, "", "Y", "0", "6", 72},
      {14, "", "y", "0", "0", 12},    {13, "1", "Y", "1", "3", 34},  {15, "1", "Y", "1", "9", 108},
      // Beyond the tables: the MES share of the last row reached, and no NuD.
      {16, "1", "Y", "1", "0", 18},   {12.5f, "1", "Y", "1", "0", 2},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << "MES " << k.mes << ", NuD " << k.nud << " at " << k.tl);
    start(k.tl, {k.mes, k.nud});
    derive_screen_codes(p, c);
    EXPECT_EQ(p.digit_text, k.mes_digit);
    EXPECT_EQ(p.design_nud_code, k.nud_digit);
    EXPECT_EQ(p.design_blg_code, "0");
    EXPECT_EQ(kBudget - p.design_ep_left, k.ep);
  }
  EXPECT_TRUE(host.boxes().empty());
}

// An MES value too large for its number: the test of its sign is a step of its own and
// shows its box (the value counts 0, so the MES is fitted), then the factor shows the
// same error again; the digit is "0" and the EP of the TL's share are taken.
TEST_F(DesignDefencesTest, MesValueThatOverflowsGivesABoxAtTheTestAndAtTheFactor) {
  start(12, {"&H10000000000000000", "N"});
  host.answer_boxes({true, true});
  derive_screen_codes(p, c);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[0].text, "Line: 933 (in main module)\nOverflow\nContinue?");
  EXPECT_EQ(host.boxes()[1].text, "Line: 936 (in main module)\nOverflow\nContinue?");
  EXPECT_EQ(p.digit_text, "0");
  EXPECT_EQ(kBudget - p.design_ep_left, 2);
}

TEST_F(DesignDefencesTest, RepairFactorByTlAndOneBatteryForTen) {
  const struct {
    float tl;
    const char* count;
    const char* code;
    const char* battery;
  } cases[] = {
      {14, "0", "0", " "},  {14, "5", "8", " "},  {10, "15", "2", "2"}, {10, "25", "2", "2"},
      {11, "20", "4", "2"}, {12, "20", "6", "2"}, {13, "20", "7", "2"}, {15, "20", "9", "2"},
      {3, "40", "2", "4"},  {10, "-10", "2", " "},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << k.count << " at " << k.tl);
    start(k.tl, {k.count});
    derive_rep_codes(p, c);
    EXPECT_EQ(p.design_rep_code, k.code);
    EXPECT_EQ(p.design_rep_batt_code, k.battery);
    EXPECT_EQ(p.design_ep_left, kBudget);
  }
}

TEST(CrewDigits, NumberOfDigitsOfTheCrew) {
  const struct {
    float crew;
    const char* code;
  } cases[] = {
      {0, "0"}, {-5, "0"},   {0.5f, "1"}, {9, "1"},     {10, "2"},
      {99.5f, "3"}, {100, "3"}, {999, "3"}, {1000, "4"}, {50000, "4"},
  };
  for (const auto& k : cases) EXPECT_EQ(crew_digits_code_for(k.crew), k.code) << k.crew;
}

TEST_F(DesignDefencesTest, TailFillsTheRecordAndClosesTheFile) {
  start(12, {"400", "120", "45", "6", "12", "4", "99", "Ignored", "after the last pair"});
  read_design_tail(p, c);
  EXPECT_EQ(p.ship_fuel[0], 400);
  EXPECT_EQ(p.ship_cargo[0], 120);
  EXPECT_EQ(p.ship_crew[0], 45);
  EXPECT_EQ(p.design_crew_count, 45);
  EXPECT_EQ(p.design_crew_digits_code, "2");
  EXPECT_EQ(p.ship_passengers[0], 6);
  EXPECT_EQ(p.ship_troops[0], 12);
  EXPECT_EQ(p.ship_l_berths[0], 4);
  EXPECT_EQ(p.file_discard[0], 99);
  EXPECT_FALSE(c.files.is_open(1));
}

// A file that ends early: one box for each pair past the end, and the file is closed
// all the same.
TEST_F(DesignDefencesTest, TailPastTheEndOfTheFile) {
  start(12, {"400", "120"});
  host.answer_boxes({true, true, true, true, true});
  read_design_tail(p, c);
  EXPECT_EQ(host.boxes().size(), 5u);
  EXPECT_EQ(p.ship_cargo[0], 120);
  EXPECT_EQ(p.ship_crew[0], 0);
  EXPECT_EQ(p.design_crew_digits_code, "0");
  EXPECT_FALSE(c.files.is_open(1));
}

}  // namespace
}  // namespace ships
