// The movement block: M-Drive and agility in their fields, and (M-Drive + agility +
// skill bonus) / 3 rounded half to even for pilot skills 1 to 6.
#include "card/movement_block.h"

#include <gtest/gtest.h>

#include <string>

#include "card/closing_sections_test_support.h"

namespace card {
namespace {


constexpr const char* kHeading = " Hexes & Kestramond Movement Calculation\r\n";
constexpr const char* kLabel = " Movement in Hexes per Turn :";

std::string movement_bytes(ClosingBench& run, float mdrive, float agility) {
  ClosingShip s;
  s.mdrive_rating = mdrive;
  s.agility = agility;
  run.set_ship(s);
  run.in_document();
  print_movement_block(run.p, run.c);
  return run.document();
}

TEST(MovementBlock, WorkedValues) {
  struct Case {
    float mdrive, agility;
    const char* drive_line;
    const char* hexes;
  };
  static const Case cases[] = {
      {6, 6, " M-Drive 6 Agility 6", "  4  4  4  4  5  5"},
      {6, 1, " M-Drive 6 Agility 1", "  2  2  3  3  3  3"},
      {5, 5, " M-Drive 5 Agility 5", "  3  3  4  4  4  4"},
      {2, 1, " M-Drive 2 Agility 1", "  1  1  1  1  2  2"},
      {1, 0, " M-Drive 1 Agility 0", "  0  0  1  1  1  1"},
      {0, 0, " M-Drive 0 Agility 0", "  0  0  0  0  1  1"},
      // 7.5 / 3 = 2.5 and 1.5 / 3 = 0.5 go to the even neighbour; the fields round
      // the agility half away from zero.
      {6, 1.5f, " M-Drive 6 Agility 2", "  2  2  3  3  3  3"},
      {1, 0.5f, " M-Drive 1 Agility 1", "  0  0  1  1  1  1"},
      // Too wide for two positions: written whole after "%".
      {100, 100, " M-Drive%100 Agility%100", " 67 67 67 67 67 67"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.drive_line);
    ClosingBench run;
    const std::string expected =
        std::string(kHeading) + k.drive_line + "  Skill :  1  2  3  4  5  6\r\n" + kLabel + k.hexes;
    EXPECT_EQ(movement_bytes(run, k.mdrive, k.agility), expected);
    EXPECT_TRUE(run.host.boxes().empty());
    EXPECT_EQ(run.p.movement_skill, 7);
    EXPECT_EQ(run.p.skill_bonus, 2);
  }
}

// 100000 / 3 lies outside 16 bits at every skill: six overflow boxes, and each value
// is written as 0.
TEST(MovementBlock, MovementOutsideSixteenBitsIsWrittenAsZero) {
  ClosingBench run;
  for (int i = 0; i < 6; ++i) run.host.answer_boxes({true});
  const std::string bytes = movement_bytes(run, 0, 100000);
  EXPECT_EQ(bytes, std::string(kHeading) +
                       " M-Drive 0 Agility%100000  Skill :  1  2  3  4  5  6\r\n" + kLabel +
                       "  0  0  0  0  0  0");
  ASSERT_EQ(run.host.boxes().size(), 6u);
  for (const auto& box : run.host.boxes()) EXPECT_EQ(box.title, "Unhandled Error #6");
}

}  // namespace
}  // namespace card
