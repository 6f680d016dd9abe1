// The whole damage section of one ship, worked out by hand: the screen after T and the
// bytes of the document's closing sections; and the failing writes when no card
// output is open.
#include "card/data_card.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card/closing_sections_test_support.h"
#include "console/screen.h"

namespace card {
namespace {


// Harrowgate Lark: armor 4, a fib computer (3 fib), J-Drive 2, M-Drive 4, agility 3.
// Columns for armor 4: surface at roll + 10 and roll + 4, radiation at roll + 4,
// roll + 6 and roll, interior explosions at roll + 6 and roll, critical hits at roll.
// The fib computer turns the radiation table's computer entries into " - NE -".
const std::vector<std::string> DAMAGE_BOX = {
    "┌────┬─────────────────┬──────────────────────────┬─────────────────┬──────────┐",
    "│  2 │ SURFACE  DAMAGE │     RADIATION DAMAGE     │ INT. EXPLOSIONS │ CRITICAL │",
    "│  D ├────────┬────────┼────────┬────────┬────────┼────────┬────────┤          │",
    "│  6 │Factor<A│Nukes/SM│ Armor  │Meson<10│Meson SM│Meson<10│MesSM/IE│   HITS   │",
    "├────┼════════╪════════╪════════╪════════╪════════╪════════╪════════╪══════════┤",
    "│  2 │MDrive-1│MDrive-2│ - NE - │ - NE - │CRITICAL│JDrive-2│CRITICAL│DESTROYED!│",
    "│  3 │ Fuel-1 │ Fuel-3 │ Crew-1 │ - NE - │ Crew-1 │Power-2 │CRITICAL│ Bridge   │",
    "│  4 │ Weap-1 │ Weap-3 │ - NE - │ Weap-4 │ - NE - │ Crew-1 │CRITICAL│Computer  │",
    "│  5 │ Weap-1 │MDrive-1│ - NE - │ - NE - │ Crew-1 │ Comp-1 │>TANKS< │ M-Drive  │",
    "│  6 │ Fuel-1 │ Fuel-2 │ Weap-4 │ Weap-3 │ - NE - │Screen-2│ Comp-2 │ 1xScreen │",
    "│  7 │ Weap-1 │ Weap-2 │ - NE - │ - NE - │ Crew-1 │JDrive-1│Screen-3│ Z-Drive  │",
    "│  8 │ Weap-1 │MDrive-1│ Weap-3 │ Weap-2 │ - NE - │Power-1 │JDrive-2│  Hangar  │",
    "│  9 │ Fuel-1 │ Fuel-1 │ - NE - │ - NE - │ - NE - │ Comp-1 │Power-2 │ P-Plant  │",
    "│ 10 │ Weap-1 │ Weap-1 │ Weap-2 │ Weap-2 │ Weap-4 │Screen-1│ Crew-1 │ Crew-50% │",
    "│ 11 │ Weap-1 │ Weap-1 │ - NE - │ Weap-1 │ - NE - │JDrive-1│ Comp-1 │  SM/FC   │",
    "│ 12 │ - NE - │ Fuel-1 │ Weap-2 │ Weap-1 │ Weap-3 │Power-1 │Screen-2│FrWa/Troop│",
    "└────┴────────┴────────┴────────┴────────┴────────┴────────┴────────┴──────────┘",
};

// "Harrowgate Lark - Escort Frigate" has 32 characters: (79 - 32) / 2 = 23.5, 23
// blanks. The profile has 23: 28 blanks, and the battery line takes them too.
const std::string kTitleLine = blanks(23) + "Harrowgate Lark - Escort Frigate";
const std::string kProfileLine = blanks(28) + "FE-D3244C3-410002-5030A";
const std::string kBatteryLine = blanks(28) + "            2   1 2 1 5";

TEST(DamageSection, ScreenShowsOnlyTheDamageBoxAndTheTitleBlock) {
  ClosingBench run;
  run.on_screen();
  console::move_cursor(run.c, 24, 70);
  console::print_to_screen(run.c, "weapons rule", false);
  print_damage_section(run.p, run.c);
  EXPECT_TRUE(run.host.boxes().empty());
  std::vector<std::string> expected = DAMAGE_BOX;
  expected.insert(expected.end(), {"", kTitleLine, "", kProfileLine, kBatteryLine, "", "", ""});
  for (int r = 1; r <= 25; ++r) EXPECT_EQ(run.trimmed_row(r), expected[r - 1]) << "row " << r;
  EXPECT_EQ(run.c.page.cursor_row(), 24);
  EXPECT_EQ(run.c.page.cursor_column(), 1);
}

TEST(DamageSection, TwiceOnTheScreenDrawsTheSameScreen) {
  ClosingBench run;
  run.on_screen();
  print_damage_section(run.p, run.c);
  std::vector<std::string> first;
  for (int r = 1; r <= 25; ++r) first.push_back(run.trimmed_row(r));
  print_damage_section(run.p, run.c);
  for (int r = 1; r <= 25; ++r) EXPECT_EQ(run.trimmed_row(r), first[r - 1]) << "row " << r;
}

// The counter values of the ship, by hand: BEAM 5 x 2 + (3 + 1)^1.5 x 1 = 18; MISSILE
// 10 x 5 = 50; the defence sum 1 x 1 (two SaC batteries count one) + 1 + 2 x 1 + 0 +
// 0 + 3 + 4 = 11 to the power 14^0.08 = 1.23509, about 19.33. Scaled by the square
// root of model 3: 3.118, 8.660 and 3.348; class 1 rounds them to 3, 9 and 3; the
// final powers give 3^0.65 = 2.04, 9^0.65 = 4.17 and the square root of 3, 1.73.
// Movement (4 + 3 + bonus) / 3: 2.33, 2.33, 2.67, 2.67, 3, 3.
TEST(DamageSection, DocumentEndsWithTheClosingSections) {
  ClosingBench run;
  run.in_document();
  print_damage_section(run.p, run.c);
  EXPECT_TRUE(run.host.boxes().empty());
  std::vector<std::string> lines = {""};  // the weapons table's bottom rule ends here
  lines.insert(lines.end(), DAMAGE_BOX.begin(), DAMAGE_BOX.end());
  lines.insert(lines.end(), {"", kTitleLine, "", kProfileLine, kBatteryLine, ""});
  lines.insert(lines.end(), {" Hexes & Kestramond Movement Calculation",
                             " M-Drive 4 Agility 3  Skill :  1  2  3  4  5  6",
                             " Movement in Hexes per Turn :  2  2  3  3  3  3"});
  lines.insert(lines.end(), {"", "", " VALDORIN / BRELLACOSTA Stats", "",
                             " Class   : 1 = 1.000-9.999 tons (Destroyer)", "", " BEAM    : 2",
                             " MISSILE : 4", " SREENS  : 2"});
  EXPECT_EQ(run.document(), with_line_ends(lines));
}

// Every write step fails while no output is open; the counts are the steps of the
// box (the line end, 5 header lines, 11 rows of a roll field and 8 cells, the bottom
// line) and of the title block (6 lines); with output 1 each row's line end, the
// movement block (9) and the counter-value block (11) fail as well.
TEST(DamageSection, EveryWriteFailsWhenNoOutputIsOpen) {
  struct Case {
    float output_channel;
    std::size_t boxes;
  };
  for (const Case& k : {Case{0, 1 + 5 + 11 * 9 + 1 + 6}, Case{1, 1 + 5 + 11 * 10 + 1 + 6 + 9 + 11}}) {
    SCOPED_TRACE(k.output_channel);
    ClosingBench run;
    for (std::size_t i = 0; i < k.boxes; ++i) run.host.answer_boxes({true});
    console::print_to_screen(run.c, "the output question", false);
    run.p.output_channel = k.output_channel;
    print_damage_section(run.p, run.c);
    ASSERT_EQ(run.host.boxes().size(), k.boxes);
    EXPECT_FALSE(run.c.flags.stop.load());
    for (const auto& box : run.host.boxes()) {
      EXPECT_EQ(box.title, "Unhandled Error #52");
      EXPECT_NE(box.text.find("\nBad file name or number\n"), std::string::npos);
    }
    // The first box comes before the clear; the screen is blank at every later box.
    EXPECT_EQ(run.host.boxes().front().screen[0], "the output question");
    EXPECT_EQ(run.host.boxes()[1].screen[0], "");
    EXPECT_EQ(run.trimmed_row(1), "");
  }
}

TEST(DamageSection, CounterValuesAreWorkedOutEvenWhenTheirWritesFail) {
  ClosingBench run;
  for (int i = 0; i < 143; ++i) run.host.answer_boxes({true});
  run.p.output_channel = 1;
  print_damage_section(run.p, run.c);
  EXPECT_EQ(run.p.stats_class, 1);
  EXPECT_EQ(run.p.computer_count, 1);
  EXPECT_EQ(run.p.stats_class_text, " = 1.000-9.999 tons (Destroyer)");
  EXPECT_EQ(run.p.hexes_per_turn, 3);
}

// The whole card through the header: the damage section reads what the header left.
// The tag is gone from the title; the agility of 5 is capped at the M-Drive of 2, so
// the movement is (2 + 2 + bonus) / 3 and the screens value comes from agility 2: the
// defence sum 0 + 1 + 2 = 3 to the power 11^0.08 = 1.2115 gives 3.785, which class 0
// counts in tenths as 4 (with agility 5 it would be 9): screens 2.
TEST(DamageSection, ReadsWhatTheCardHeaderLeaves) {
  ClosingBench run;
  ShipRecord ship;
  ship.name = "QOR-Tessaly Vane";
  ship.type = "Survey Cutter";
  ship.profile = "SC-A1122R1-000000-10000";
  ship.tons = 200;
  ship.agility = 5;
  run.put(ship);
  run.in_document();
  print_data_card(run.p, run.c);
  print_damage_section(run.p, run.c);
  EXPECT_TRUE(run.host.boxes().empty());
  const std::vector<std::string> lines = run.document_lines();
  ASSERT_GE(lines.size(), 36u);
  // The weapons table's bottom rule, ended by the section's first line end, and the
  // damage box on the very next line.
  EXPECT_EQ(lines[lines.size() - 36],
            "└──────────────┴───────┴───┴───╨─────┴───┴───┴───┴───┴───┴───┴───┴───┴───┴─────┘\r\n");
  EXPECT_EQ(lines[lines.size() - 35], DAMAGE_BOX[0] + "\r\n");
  const std::vector<std::string> closing(lines.end() - 30, lines.end());
  EXPECT_EQ(closing[0], "│  2 │ Weap-3 │CRITICAL│CRITICAL│ Comp-2 │CRITICAL│JDrive-2│CRITICAL│DESTROYED!│\r\n");
  const std::vector<std::string> after_box(closing.begin() + 12, closing.end());
  EXPECT_EQ(after_box,
            std::vector<std::string>({"\r\n", blanks(25) + "Tessaly Vane - Survey Cutter\r\n", "\r\n",
                                      blanks(28) + "SC-A1122R1-000000-10000\r\n", blanks(28) + "\r\n", "\r\n",
                                      " Hexes & Kestramond Movement Calculation\r\n",
                                      " M-Drive 2 Agility 2  Skill :  1  2  3  4  5  6\r\n",
                                      " Movement in Hexes per Turn :  1  1  2  2  2  2\r\n", "\r\n", "\r\n",
                                      " VALDORIN / BRELLACOSTA Stats\r\n", "\r\n",
                                      " Class   : 0 = 1-999 tons (Scouts)\r\n", "\r\n", " BEAM    : 0\r\n",
                                      " MISSILE : 0\r\n", " SREENS  : 2\r\n"}));
}

}  // namespace
}  // namespace card
