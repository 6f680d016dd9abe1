#include "card/defence_line.h"

#include <gtest/gtest.h>

#include <string>

#include "card/card_test_support.h"

namespace card {
namespace {

// A profile with the defences at positions 13 to 17 (SaC, MES, NuD, BlG, REP) and a
// battery line with the SaC and REP counts in columns 13 and 17.
struct Defences {
  const char* sac_mes_nud_blg_rep;
  char sac_batteries;
  char rep_batteries;
  float hull_factor;
};

class DefenceLineTest : public CardTest {
 protected:
  void put_defences(const Defences& d, float armor = 0) {
    put({.profile = std::string("AB-1111111-0") + d.sac_mes_nud_blg_rep,
         .batteries = blanks(12) + d.sac_batteries + blanks(3) + d.rep_batteries});
    p.hull_factor = d.hull_factor;
    p.armor_rating = armor;
  }
};

TEST_F(DefenceLineTest, DefenceText) {
  static const struct {
    Defences defences;
    const char* text;
    float sac_batt, rep_batt;
  } cases[] = {
      {{"00000", ' ', ' ', 1}, "", 1, 0},
      {{"50000", ' ', ' ', 1}, "DEFENCE:   1 x SaC 5", 1, 0},
      {{"50000", '2', ' ', 1}, "DEFENCE:   1 x SaC 5", 1, 0},  // up to two count one
      {{"50000", '3', ' ', 1}, "DEFENCE:   3 x SaC 5", 3, 0},
      {{"40000", '1', ' ', 0.5f}, "DEFENCE:   0 x SaC 4", 1, 0},  // 0.5 rounds to even
      {{"40000", '3', ' ', 0.5f}, "DEFENCE:   2 x SaC 4", 3, 0},  // 1.5 rounds to even
      {{"40000", '5', ' ', 0.9f}, "DEFENCE:   4 x SaC 4", 5, 0},  // exactly 4.5
      {{"40000", '5', ' ', 0.7f}, "DEFENCE:   4 x SaC 4", 5, 0},  // exactly 3.5
      {{"00004", ' ', ' ', 1}, "DEFENCE:   0 x REP 4", 1, 0},  // no floor for REP
      {{"00004", ' ', '2', 1}, "DEFENCE:   2 x REP 4", 1, 2},
      {{"07000", ' ', ' ', 1}, "DEFENCE:  MES = 7", 1, 0},
      {{"00A10", ' ', ' ', 1}, "DEFENCE:  NuD = 10  BlG = 1", 1, 0},
      {{"09000", '9', '9', 1}, "DEFENCE:  MES = 9", 9, 9},  // counts without ratings
      {{"63457", 'A', '2', 1}, "DEFENCE:  MES = 3  NuD = 4  BlG = 5   10 x SaC 6   2 x REP 7", 10,
       2},
      {{"", ' ', ' ', 1}, "", 1, 0},  // the profile ends before the defences
  };
  for (const auto& k : cases) {
    put_defences(k.defences);
    build_defence_text(p, c);
    EXPECT_EQ(p.card_line, k.text) << k.defences.sac_mes_nud_blg_rep;
    EXPECT_EQ(p.sac_batt, k.sac_batt) << k.defences.sac_mes_nud_blg_rep;
    EXPECT_EQ(p.rep_batt, k.rep_batt) << k.defences.sac_mes_nud_blg_rep;
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(DefenceLineTest, DefenceCodesAndRatingsAreKept) {
  put_defences({"63457", 'A', '2', 1});
  build_defence_text(p, c);
  EXPECT_EQ(p.sac_code, "6");
  EXPECT_EQ(p.mes_code, "3");
  EXPECT_EQ(p.nud_code, "4");
  EXPECT_EQ(p.blg_code, "5");
  EXPECT_EQ(p.rep_code, "7");
  EXPECT_EQ(p.sac_rating, 6.0f);
  EXPECT_EQ(p.mes_rating, 3.0f);
  EXPECT_EQ(p.nud_rating, 4.0f);
  EXPECT_EQ(p.blg_rating, 5.0f);
  EXPECT_EQ(p.rep_rating, 7.0f);
  EXPECT_EQ(p.battery_char, "2");  // the REP column, read last
}

TEST_F(DefenceLineTest, ArmorCellAndDefencesInTheDocument) {
  static const struct {
    float armor;
    Defences defences;
    const char* line;
  } cases[] = {
      // No defences: 27 blanks before the empty text and 28 after it.
      {0, {"00000", ' ', ' ', 1}, " ARM 0 │                                                       │\r\n"},
      // 20 characters: 17 blanks before, 18 after.
      {7, {"50000", ' ', ' ', 1}, " ARM 7 │                 DEFENCE:   1 x SaC 5                  │\r\n"},
      {-2, {"00000", ' ', ' ', 1}, " ARM-2 │                                                       │\r\n"},
      {30, {"00000", ' ', ' ', 1}, " ARM30 │                                                       │\r\n"},
      {100, {"00000", ' ', ' ', 1}, " ARM%100 │                                                       │\r\n"},
      // 66 characters: no blanks, and the frame edge follows the text.
      {0, {"WWWWW", 'W', 'W', 1},
       " ARM 0 │DEFENCE:  MES = 30  NuD = 30  BlG = 30   30 x SaC 30   30 x REP 30│\r\n"},
  };
  for (const auto& k : cases) {
    CardBench b;
    b.put({.profile = std::string("AB-1111111-0") + k.defences.sac_mes_nud_blg_rep,
           .batteries = blanks(12) + k.defences.sac_batteries + blanks(3) + k.defences.rep_batteries});
    b.p.hull_factor = k.defences.hull_factor;
    b.p.armor_rating = k.armor;
    b.in_document();
    print_defence_line(b.p, b.c);
    EXPECT_EQ(b.document(), k.line) << k.armor << " " << k.defences.sac_mes_nud_blg_rep;
  }
}

// On the screen the header leaves row 7 ruled and the cursor after the computer cell.
class DefenceLineOnScreenTest : public DefenceLineTest {
 protected:
  void SetUp() override {
    on_screen();
    console::move_cursor(c, 7, 1);
    console::print_to_screen(c, p.frame_rule, true);
    console::move_cursor(c, 8, 17);
  }
};

const std::string kRuleOverCells =
    "├" + times(14, "─") + "┬" + times(7, "─") + "┬" + times(55, "─") + "┤";

TEST_F(DefenceLineOnScreenTest, ArmorBarCellAndTheJoinsAbove) {
  static const struct {
    float armor;
    const char* cell;
  } cases[] = {
      {0, "   -   │"},       {-2, "   -   │"},       {1, "│      │"},       {5, "║║│    │"},
      {13, "║║║║║║││"},     {14, "║║║║║║║│"},       {30, "║║║║║║║│"},
  };
  for (const auto& k : cases) {
    console::move_cursor(c, 8, 17);
    put_defences({"00000", ' ', ' ', 1}, k.armor);
    print_defence_line(p, c);
    EXPECT_EQ(row(7), kRuleOverCells);
    EXPECT_EQ(row(8), blanks(16) + k.cell + blanks(55) + "│") << k.armor;
    EXPECT_EQ(c.page.cursor_row(), 9);
    EXPECT_EQ(c.page.cursor_column(), 1);
  }
}

TEST_F(DefenceLineOnScreenTest, DefencesCentredInTheirColumns) {
  put_defences({"50000", ' ', ' ', 1}, 3);
  print_defence_line(p, c);
  EXPECT_EQ(row(8), blanks(16) + "║│     │" + blanks(17) + "DEFENCE:   1 x SaC 5" + blanks(18) + "│");
  EXPECT_EQ(p.pad_left, 17.0f);
  EXPECT_EQ(p.pad_right, 18.0f);
}

TEST_F(DefenceLineOnScreenTest, ALongDefenceTextIsCutByTheFrameEdge) {
  put_defences({"WWWWW", 'W', 'W', 1});
  print_defence_line(p, c);
  const std::string text = "DEFENCE:  MES = 30  NuD = 30  BlG = 30   30 x SaC 30   30 x REP 30";
  EXPECT_EQ(row(8), blanks(16) + "   -   │" + text.substr(0, 55) + "│");
  EXPECT_EQ(p.pad_left, -6.0f);  // the integer part of -5.5
  EXPECT_EQ(p.pad_right, -5.0f);
  EXPECT_EQ(c.page.cursor_row(), 9);
  EXPECT_EQ(c.page.cursor_column(), 1);
}

}  // namespace
}  // namespace card
