#include "card/card_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card/card_test_support.h"
#include "card/crew_text.h"
#include "card/defence_line.h"
#include "card/header_texts.h"
#include "card/header_values.h"

namespace card {
namespace {

using console::cp437_to_utf8;

// A profile with the given characters at positions 4 to 9 and plain fillers elsewhere.
std::string profile_with(const std::string& hull_to_computer) {
  return "AB-" + hull_to_computer;
}

// ---- Values and texts, step by step --------------------------------------------

TEST(TonnageText, ThousandsFromTwoThousandTons) {
  static const struct {
    float tons;
    const char* text;
  } cases[] = {
      {0, " 0t"},         {800, " 800t"},       {1999, " 1999t"},    {1999.5f, " 1999.5t"},
      {2000, " 2kt"},     {2500, " 2.5kt"},     {3400, " 3.4kt"},    {16500, " 16.5kt"},
      {1234567, " 1234.567kt"},
  };
  for (const auto& c : cases) EXPECT_EQ(tonnage_text(c.tons), c.text) << c.tons;
}

class HeaderStepTest : public CardTest {};

TEST_F(HeaderStepTest, HullFactorByHullSizeCode) {
  static const struct {
    const char* code;
    float factor;
    float value;
  } cases[] = {
      {"A", 1, 10},     {"H", 1, 17},     {"J", 1, 18},      {"K", 1, 19},
      {"L", 0.95f, 20}, {"M", 0.9f, 21},  {"N", 0.85f, 22},  {"P", 0.8f, 23},
      {"Q", 0.75f, 24}, {"R", 0.7f, 25},  {"S", 0.65f, 26},  {"T", 0.6f, 27},
      {"U", 0.55f, 28}, {"V", 0.5f, 29},  {"W", 0.5f, 30},   {"X", 0.5f, 0},
      {"Y", 0.5f, 0},   {"Z", 1, 0},      {"5", 1, 5},       {"0", 1, 0},
      {"I", 1, 0},      {"O", 1, 0},      {"m", 1, 0},       {"", 1, 0},
  };
  for (const auto& c : cases) {
    put({.profile = profile_with(c.code)});
    derive_hull(p);
    EXPECT_EQ(p.hull_size_code, c.code);
    EXPECT_EQ(p.hull_factor, c.factor) << c.code;
    EXPECT_EQ(p.hull_size_value, c.value) << c.code;
  }
}

TEST_F(HeaderStepTest, ConfigurationNameOrTheCodeItself) {
  static const struct {
    const char* code;
    float code_x;
    const char* text;
  } cases[] = {
      {"1", 0, "Needle/Wedge, streamlined"},
      {"2", 0, "Cone, streamlined"},
      {"3", 0, "Cylinder, partial"},
      {"4", 0, "Close structure, partial"},
      {"5", 0, "Sphere, partial"},
      {"6", 0, "Flattened Sphere, streamlined"},
      {"7", 0, "Dispersed structure"},
      {"8", 0, "Planetoid"},
      {"9", 0, "Buffered Planetoid"},
      {"0", 0, "0"},
      {"A", 0, "A"},  // 10
      {"c", 0, "c"},
      {"", 0, ""},
      {"X", 8, "Planetoid"},  // the ship's own value of X is a configuration
      {"X", 0, "X"},
  };
  for (const auto& c : cases) {
    put({.profile = profile_with(std::string("1") + c.code), .code_x = c.code_x});
    derive_configuration(p);
    EXPECT_EQ(p.configuration_text, c.text) << c.code;
  }
}

TEST_F(HeaderStepTest, SpeciesTagsComeOffInTheirOrder) {
  static const struct {
    const char* name;
    const char* left;
  } cases[] = {
      {"IXA-Vesper", "Vesper"},
      {"QOR-Vesper", "Vesper"},
      {"KYV-Vesper", "Vesper"},
      {"JEV-Vesper", "Vesper"},
      {"YTT-Vesper", "Vesper"},
      {"IXA-QOR-Vesper", "Vesper"},      // the second tag is tested after the first
      {"QOR-IXA-Vesper", "IXA-Vesper"},  // IXA- was tested before QOR- came off
      {"KYV-YTT-Vesper", "Vesper"},
      {"YTT-KYV-Vesper", "KYV-Vesper"},
      {"Qor-Vesper", "Qor-Vesper"},
      {"Vesper IXA-", "Vesper IXA-"},
      {"IXA", "IXA"},
      {"IXA-", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    put({.name = c.name});
    remove_name_tag(p);
    EXPECT_EQ(p.ship_name[kRecord], c.left) << c.name;
  }
}

TEST_F(HeaderStepTest, HeaderTextOfTheDocumentAndOfTheScreen) {
  put({.name = "Larkin Vale", .type = "Patrol Cruiser", .profile = "CR-A3", .tons = 2500, .tl = 12});
  derive_configuration(p);
  p.output_channel = 1;
  build_header_text(p);
  EXPECT_EQ(p.card_line, "CR-Larkin Vale, Patrol Cruiser, Cylinder, partial, 2.5kt, TL 12");
  EXPECT_EQ(p.class_code, "CR");
  EXPECT_EQ(p.type_text, "Patrol Cruiser");
  p.output_channel = 2;
  build_header_text(p);
  EXPECT_EQ(p.card_line, "Larkin Vale, Patrol Cruiser, Cylinder, partial, 2.5kt");
}

TEST_F(HeaderStepTest, CrewSectionsAndTheCrewLine) {
  static const struct {
    ShipRecord ship;
    float sections, per_section;
    const char* screen;
    const char* document;
  } cases[] = {
      {{.tons = 0, .crew = 4}, 1, 4, "Crew 4, Fuel 9t", "Crew 4, Fuel 9t"},
      {{.tons = 1099, .crew = 10}, 1, 10, "Crew 10, Fuel 9t", "Crew 10, Fuel 9t"},
      // 1.1 in single precision lies just above 1.1: two sections.
      {{.tons = 1100, .crew = 10}, 2, 5, " 2 Crew Section 5, Fuel 9t", " 2 Crew Section 5, Fuel 9t"},
      // 2.1 lies just below: 2.9999999 gives two sections; 2.5 a section rounds to 2.
      {{.tons = 2100, .crew = 5}, 2, 2, " 2 Crew Section 2, Fuel 9t", " 2 Crew Section 2, Fuel 9t"},
      // 5.1 lies just below 5.1: five sections.
      {{.tons = 5100, .crew = 26}, 5, 5, " 5 Crew Section 5, Fuel 9t", " 5 Crew Section 5, Fuel 9t"},
      {{.tons = 8100, .crew = 45}, 9, 5, " 9 Crew Section 5, Fuel 9t", " 9 Crew Section 5, Fuel 9t"},
      // No crew in three sections still shows one a section.
      {{.tons = 2500, .crew = 0}, 3, 1, " 3 Crew Section 1, Fuel 9t", " 3 Crew Section 1, Fuel 9t"},
      {{.tons = 900, .crew = 7, .passengers = 6, .l_berths = 4, .cargo = 120, .fuel = 1999, .troops = 12},
       1, 7, "Crew 7, L-Berths 4, Troops 12, Fuel 1999t",
       "Crew 7, L-Berths 4, Troops 12, Fuel 1999t, Cargo 120t, Pass. 6"},
      // Fuel in kt from 2000 tons; cargo always in t.
      {{.tons = 900, .crew = 7, .cargo = 2500, .fuel = 2000}, 1, 7, "Crew 7, Fuel 2kt",
       "Crew 7, Fuel 2kt, Cargo 2500t"},
      {{.tons = 900, .crew = 7, .passengers = -1, .l_berths = -2, .cargo = -3, .fuel = 0, .troops = -4},
       1, 7, "Crew 7, Fuel 0t", "Crew 7, Fuel 0t"},
  };
  for (const auto& c : cases) {
    put(c.ship);
    p.output_channel = 2;
    build_crew_text(p, this->c);
    EXPECT_EQ(p.crew_sections, c.sections) << c.ship.tons;
    EXPECT_EQ(p.crew_per_section, c.per_section) << c.ship.tons;
    EXPECT_EQ(p.card_line, c.screen) << c.ship.tons;
    p.output_channel = 1;
    build_crew_text(p, this->c);
    EXPECT_EQ(p.card_line, c.document) << c.ship.tons;
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(HeaderStepTest, ACrewPerSectionBeyondSixteenBitsIsReportedAndCountsOne) {
  host.answer_boxes({true});
  put({.tons = 1100, .crew = 70000});
  p.output_channel = 2;
  build_crew_text(p, c);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Unhandled Error #6");
  EXPECT_EQ(c.errors.pending, 0);
  EXPECT_EQ(p.crew_per_section, 1.0f);
  EXPECT_EQ(p.card_line, " 2 Crew Section 1, Fuel 9t");
}

TEST_F(HeaderStepTest, DriveLineCapsTheAgilityAndFillsInTheEp) {
  // Positions 6, 7 and 8: J-Drive, M-Drive, P-Plant.
  static const struct {
    ShipRecord ship;
    const char* text;
    float agility_after, ep_after;
  } cases[] = {
      {{.profile = "AB-11342", .tons = 1000, .ep = 0, .agility = 5},
       "M-Drive = 4g, Agility = 4, J-Drive = 3, P-Plant = 2, EP = 20", 4, 20},
      {{.profile = "AB-11324", .tons = 1000, .ep = 0, .agility = 2},
       "M-Drive = 2g, Agility = 2, J-Drive = 3, P-Plant = 4, EP = 40", 2, 40},
      {{.profile = "AB-11060", .tons = 1000, .ep = 0, .agility = 0},
       "M-Drive = 6g, P-Plant = 0, EP = 0", 0, 0},
      // An agility capped at an M-Drive of 0 is left out; an EP given is kept.
      {{.profile = "AB-11102", .tons = 1000, .ep = 15, .agility = 3},
       "M-Drive = 0g, J-Drive = 1, P-Plant = 2, EP = 15", 0, 15},
      {{.profile = "AB-110A7", .tons = 1250, .ep = 0, .agility = 6},
       "M-Drive = 10g, Agility = 6, P-Plant = 7, EP = 87.5", 6, 87.5f},
      {{.profile = "AB-11031", .tons = 500, .ep = 2, .agility = 2.5f},
       "M-Drive = 3g, Agility = 2.5, P-Plant = 1, EP = 2", 2.5f, 2},
      // A profile that ends before the drives: every rating is 0.
      {{.profile = "AB-1", .tons = 500, .ep = 0, .agility = 1}, "M-Drive = 0g, P-Plant = 0, EP = 0", 0, 0},
  };
  for (const auto& c : cases) {
    put(c.ship);
    build_drive_text(p);
    EXPECT_EQ(p.card_line, c.text) << c.ship.profile;
    EXPECT_EQ(p.ship_agility[kRecord], c.agility_after) << c.ship.profile;
    EXPECT_EQ(p.ship_ep[kRecord], c.ep_after) << c.ship.profile;
  }
}

TEST_F(HeaderStepTest, SizeModifierByTons) {
  static const struct {
    float tons;
    float modifier;
  } cases[] = {
      {250000, 2}, {75000, 2},  {74999.5f, 2}, {74999, 1}, {10001, 1}, {10000, 0},
      {2000, 0},   {1999.5f, 0}, {1999, -1},   {100, -1},  {99.5f, -2}, {0, -2},
  };
  for (const auto& c : cases) {
    put({.tons = c.tons});
    derive_size_modifier(p);
    EXPECT_EQ(p.size_modifier, c.modifier) << c.tons;
  }
}

TEST_F(HeaderStepTest, ComputerModelTextAndFib) {
  static const struct {
    const char* code;
    float count, bonus;
    const char* text;
    float model, fib;
  } cases[] = {
      {"5", 1, 0, "    5", 5, 0},
      {"5", 3, 2, "    5", 5, 0},  // a digit's model whatever the count and bonus
      {"J", 1, 0, "9 fib", 9, 1},
      {"J", 2, 1, "9 fib", 19, 1},
      {"S", 3, 1, "2 bis", 7, 0},
      {"R", 1, 0, "1 bis", 1, 0},
      {"D", 1, 0, "4 fib", 4, 1},
      {"0", 1, 0, "     ", 1, 0},
      {"0", 1, 4, "     ", 4, 0},
      {"K", 1, 0, "     ", 1, 0},
      {"j", 1, 0, "     ", 1, 0},
      {"", 1, 0, "     ", 1, 0},
      {"B", -2, 0, "2 fib", -4, 1},
      {"A", 1, -1, "1 fib", 1, 1},  // 1 - 1 gives 0, which counts as 1
  };
  for (const auto& c : cases) {
    put({.profile = profile_with(std::string("11111") + c.code)});
    p.computer_count = c.count;
    p.computer_bonus = c.bonus;
    derive_computer(p, this->c);
    EXPECT_EQ(p.computer_code, c.code);
    EXPECT_EQ(p.computer_text, c.text) << c.code;
    EXPECT_EQ(p.computer_model, c.model) << c.code << " x" << c.count << " +" << c.bonus;
    EXPECT_EQ(p.computer_fib, c.fib) << c.code;
  }
}

TEST_F(HeaderStepTest, ComputerCell) {
  static const struct {
    float count;
    const char* text;
    const char* cell;
  } cases[] = {
      {1, "3 fib", "│ 1x COM 3 fib │"},
      {12, "    7", "│12x COM     7 │"},
      {1.5f, "1 bis", "│ 2x COM 1 bis │"},  // the field rounds half away from zero
      {0.5f, "9 fib", "│ Comp : 9 fib │"},
      {0, "     ", "│ Comp :       │"},
      {-1, "    5", "│ Comp :     5 │"},
      {100, "9 fib", "│%100x COM 9 fib │"},  // the count overflows its field
  };
  for (const auto& c : cases) {
    p.computer_count = c.count;
    p.computer_text = c.text;
    EXPECT_EQ(cp437_to_utf8(computer_cell(p, this->c)), c.cell) << c.count;
  }
}

// ---- Whole headers on the screen and in the document ----------------------------

// A patrol frigate with every part of the header: a species tag, four crew sections,
// an agility above its M-Drive, an EP of 0, a fib computer, armor and four defences.
// Hull M has the battery factor 0.9: SaC 3 x 0.9 = 2.7 shows 3, REP 5 x 0.9 = 4.5
// (exactly, in single precision) shows 4.
const ShipRecord kFrigate = {
    .name = "QOR-Harrowmere",
    .type = "Patrol Frigate",
    .profile = "PF-M3245C2-753024-31002-AB",
    .tons = 3400,
    .batteries = "            3   5 21  4",
    .crew = 45,
    .tl = 12,
    .passengers = 6,
    .l_berths = 4,
    .cargo = 120,
    .fuel = 680,
    .ep = 0,
    .agility = 6,
    .troops = 0,
};

// A courier with a short profile: configuration A, no J-Drive, a digit computer, no
// armor and no defences; two computers and a bonus that a digit model ignores.
const ShipRecord kCourier = {
    .name = "Wrenhollow",
    .type = "Courier",
    .profile = "CS-2A0215",
    .tons = 800,
    .batteries = "",
    .crew = 3,
    .tl = 9,
    .passengers = 0,
    .l_berths = 0,
    .cargo = 12,
    .fuel = 40,
    .ep = 8,
    .agility = 0,
    .troops = 2,
};

const std::string kFrameTopWithBoxes =
    "┌" + times(2, "─") + "┬" + times(72, "─") + "┬" + times(2, "─") + "┐";
const std::string kRuleUnderBoxes =
    "├" + times(2, "─") + "┴" + times(72, "─") + "┴" + times(2, "─") + "┤";
const std::string kRule = "├" + times(78, "─") + "┤";
const std::string kRuleOverCells =
    "├" + times(14, "─") + "┬" + times(7, "─") + "┬" + times(55, "─") + "┤";

class CardHeaderTest : public CardTest {
 protected:
  void print_card() {
    print_card_header(p, c);
    print_defence_line(p, c);
  }
  std::vector<std::string> rows_1_to_8() const {
    std::vector<std::string> rows;
    for (int r = 1; r <= 8; ++r) rows.push_back(row(r));
    return rows;
  }
};

TEST_F(CardHeaderTest, FrigateOnTheScreen) {
  put(kFrigate);
  on_screen();
  print_card();
  const std::vector<std::string> expected = {
      kFrameTopWithBoxes,
      // Header text of 52 characters: (72 - 52) / 2 = 10 blanks before it.
      "│PF│" + blanks(10) + "Harrowmere, Patrol Frigate, Cylinder, partial, 3.4kt" + blanks(10) +
          "│12│",
      kRuleUnderBoxes,
      // 41 characters: (78 - 41) / 2 = 18.5, rounded to even: 18.
      "│" + blanks(18) + " 4 Crew Section 11, L-Berths 4, Fuel 680t" + blanks(19) + "│",
      kRule,
      // 61 characters: 8.5 rounds to 8.
      "│" + blanks(8) + "M-Drive = 4g, Agility = 4, J-Drive = 2, P-Plant = 5, EP = 170" +
          blanks(9) + "│",
      kRuleOverCells,
      // Defence text of 50 characters in 55 columns: 2 blanks before, 3 after.
      "│ 1x COM 3 fib │║║║│   │" + blanks(2) +
          "DEFENCE:  MES = 3  BlG = 2   3 x SaC 5   4 x REP 4" + blanks(3) + "│",
  };
  EXPECT_EQ(rows_1_to_8(), expected);
  EXPECT_EQ(row(9), blanks(80));
  EXPECT_EQ(c.page.cursor_row(), 9);
  EXPECT_EQ(c.page.cursor_column(), 1);
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(CardHeaderTest, FrigateInTheDocument) {
  put(kFrigate);
  in_document();
  print_card();
  const std::string expected =
      // Header text of 62 characters: (78 - 62) / 2 = 8 blanks.
      blanks(8) + "PF-Harrowmere, Patrol Frigate, Cylinder, partial, 3.4kt, TL 12\r\n" +
      "\r\n" +
      "┌" + times(78, "─") + "┐\r\n" +
      // 62 characters: 8 blanks on each side.
      "│" + blanks(8) + " 4 Crew Section 11, L-Berths 4, Fuel 680t, Cargo 120t, Pass. 6" +
      blanks(8) + "│\r\n" +
      kRule + "\r\n" +
      // 61 characters: 8 blanks before and the odd one after, 9.
      "│" + blanks(8) + "M-Drive = 4g, Agility = 4, J-Drive = 2, P-Plant = 5, EP = 170" +
      blanks(9) + "│\r\n" +
      kRuleOverCells + "\r\n" +
      "│ 1x COM 3 fib │ ARM 7 │" + blanks(2) +
      "DEFENCE:  MES = 3  BlG = 2   3 x SaC 5   4 x REP 4" + blanks(3) + "│\r\n";
  EXPECT_EQ(document(), expected);
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(CardHeaderTest, FrigateLeavesTheValuesTheRestOfTheCardReads) {
  put(kFrigate);
  on_screen();
  print_card();
  EXPECT_EQ(p.ship_name[kRecord], "Harrowmere");
  EXPECT_EQ(p.ship_agility[kRecord], 4.0f);
  EXPECT_EQ(p.ship_ep[kRecord], 170.0f);
  EXPECT_EQ(p.hull_size_code, "M");
  EXPECT_EQ(p.hull_size_value, 21.0f);
  EXPECT_EQ(p.hull_factor, 0.9f);
  EXPECT_EQ(p.configuration_text, "Cylinder, partial");
  EXPECT_EQ(p.type_text, "Patrol Frigate");
  EXPECT_EQ(p.class_code, "PF");
  EXPECT_EQ(p.crew_sections, 4.0f);
  EXPECT_EQ(p.crew_per_section, 11.0f);  // 45 / 4 = 11.25
  EXPECT_EQ(p.mdrive_code, "4");
  EXPECT_EQ(p.mdrive_rating, 4.0f);
  EXPECT_EQ(p.jdrive_code, "2");
  EXPECT_EQ(p.jdrive_rating, 2.0f);
  EXPECT_EQ(p.pplant_code, "5");
  EXPECT_EQ(p.pplant_rating, 5.0f);
  EXPECT_EQ(p.size_modifier, 0.0f);
  EXPECT_EQ(p.computer_code, "C");
  EXPECT_EQ(p.computer_text, "3 fib");
  EXPECT_EQ(p.computer_model, 3.0f);
  EXPECT_EQ(p.computer_fib, 1.0f);
  EXPECT_EQ(p.armor_code, "7");
  EXPECT_EQ(p.armor_rating, 7.0f);
  EXPECT_EQ(p.card_line, "DEFENCE:  MES = 3  BlG = 2   3 x SaC 5   4 x REP 4");
  EXPECT_EQ(p.pad_left, 2.0f);
  EXPECT_EQ(p.pad_right, 3.0f);
}

TEST_F(CardHeaderTest, CourierOnTheScreen) {
  put(kCourier);
  p.computer_count = 2;
  p.computer_bonus = 3;
  on_screen();
  print_card();
  const std::vector<std::string> expected = {
      kFrameTopWithBoxes,
      // 28 characters: 22 blanks before.
      "│CS│" + blanks(22) + "Wrenhollow, Courier, A, 800t" + blanks(22) + "│ 9│",
      kRuleUnderBoxes,
      // 26 characters: 26 blanks before.
      "│" + blanks(26) + "Crew 3, Troops 2, Fuel 40t" + blanks(26) + "│",
      kRule,
      // 33 characters: 22.5 rounds to 22.
      "│" + blanks(22) + "M-Drive = 2g, P-Plant = 1, EP = 8" + blanks(23) + "│",
      kRuleOverCells,
      "│ 2x COM     5 │   -   │" + blanks(55) + "│",
  };
  EXPECT_EQ(rows_1_to_8(), expected);
  EXPECT_EQ(p.computer_model, 5.0f);
  EXPECT_EQ(p.computer_fib, 0.0f);
  EXPECT_EQ(p.hull_factor, 1.0f);
  EXPECT_EQ(p.size_modifier, -1.0f);
  EXPECT_EQ(p.armor_rating, 0.0f);
  EXPECT_EQ(p.jdrive_rating, 0.0f);
  EXPECT_EQ(p.ship_ep[kRecord], 8.0f);
}

TEST_F(CardHeaderTest, CourierInTheDocument) {
  put(kCourier);
  p.computer_count = 2;
  p.computer_bonus = 3;
  in_document();
  print_card();
  const std::vector<std::string> expected = {
      // 37 characters: (78 - 37) / 2 = 20.5, rounded to even: 20.
      blanks(20) + "CS-Wrenhollow, Courier, A, 800t, TL 9\r\n",
      "\r\n",
      "┌" + times(78, "─") + "┐\r\n",
      // 37 characters: 20 before, 21 after.
      "│" + blanks(20) + "Crew 3, Troops 2, Fuel 40t, Cargo 12t" + blanks(21) + "│\r\n",
      kRule + "\r\n",
      // 33 characters: 22 before, 23 after.
      "│" + blanks(22) + "M-Drive = 2g, P-Plant = 1, EP = 8" + blanks(23) + "│\r\n",
      kRuleOverCells + "\r\n",
      // No defences: 27 blanks before the empty text and 28 after it.
      "│ 2x COM     5 │ ARM 0 │" + blanks(55) + "│\r\n",
  };
  EXPECT_EQ(document_lines(), expected);
}

TEST_F(CardHeaderTest, CrewTextOfFifteenCharactersCentredInBothLayouts) {
  const ShipRecord ship = {.tons = 500, .crew = 5, .fuel = 9};  // "Crew 5, Fuel 9t"
  put(ship);
  in_document();
  print_card_header(p, c);
  EXPECT_EQ(document_lines().at(3), "│" + blanks(31) + "Crew 5, Fuel 9t" + blanks(32) + "│\r\n");
  CardBench screen;
  screen.put(ship);
  screen.on_screen();
  print_card_header(screen.p, screen.c);
  EXPECT_EQ(screen.row(4), "│" + blanks(32) + "Crew 5, Fuel 9t" + blanks(31) + "│");
}

TEST_F(CardHeaderTest, DocumentHeaderCentredHalfToEven) {
  // The header is the name and 21 more characters: "AB-", ", T, 0, 500t, TL 1".
  static const struct {
    int name_length;
    int header_length;
    int blanks_before;
  } cases[] = {
      {36, 57, 10},  // 10.5 rounds to even
      {37, 58, 10},
      {38, 59, 10},  // 9.5 rounds to even
      {39, 60, 9},
  };
  for (const auto& k : cases) {
    CardBench t;
    const std::string name =
        std::string("Stormcrest Longhauler of the Far Driftway").substr(0, static_cast<std::size_t>(k.name_length));
    t.put({.name = name, .type = "T", .profile = "AB-10", .tons = 500, .tl = 1});
    t.in_document();
    print_card_header(t.p, t.c);
    const std::string header = "AB-" + name + ", T, 0, 500t, TL 1";
    ASSERT_EQ(static_cast<int>(header.size()), k.header_length);
    EXPECT_EQ(t.document_lines().at(0), blanks(k.blanks_before) + header + "\r\n") << k.header_length;
  }
}

TEST_F(CardHeaderTest, ShortOrEmptyClassCodeOnTheScreen) {
  // "Skiff, T, , 500t": 16 characters, 28 blanks before.
  static const struct {
    const char* profile;
    const char* class_box;
  } cases[] = {
      {"", "││  "},
      {"A", "│A│ "},
      {"AB", "│AB│"},
  };
  for (const auto& k : cases) {
    CardBench t;
    t.put({.name = "Skiff", .type = "T", .profile = k.profile, .tons = 500, .tl = 10});
    t.on_screen();
    print_card_header(t.p, t.c);
    EXPECT_EQ(t.row(1), kFrameTopWithBoxes) << k.profile;
    EXPECT_EQ(t.row(2), k.class_box + blanks(28) + "Skiff, T, , 500t" + blanks(28) + "│10│")
        << k.profile;
    EXPECT_EQ(t.row(3), kRuleUnderBoxes) << k.profile;
  }
}

TEST_F(CardHeaderTest, AHeaderTooLongForItsRowIsCoveredByTheBoxAndTheRule) {
  // 70 characters of name and 12 more: the text runs past column 80 into row 3.
  const std::string name = std::string(35, 'N') + std::string(35, 'M');
  put({.name = name, .type = "T", .profile = "AB-10", .tons = 500, .tl = 10});
  on_screen();
  print_card_header(p, c);
  const std::string text = name + ", T, 0, 500t";
  EXPECT_EQ(row(2), "│AB│" + text.substr(0, 72) + "│10│");
  EXPECT_EQ(row(3), kRuleUnderBoxes);
  EXPECT_EQ(row(4).substr(0, 3), "│");  // the crew row starts in its place
}

TEST_F(CardHeaderTest, ALongDocumentLineGrowsAndTheFrameFollowsTheText) {
  // 89 characters: the pads are -6 (the integer part of -5.5) and -5, so no blanks.
  put({.tons = 500, .crew = 12345, .passengers = 1234567, .l_berths = 1234567, .cargo = 1234567,
       .fuel = 1234.5f, .troops = 1234567});
  in_document();
  print_card_header(p, c);
  EXPECT_EQ(document_lines().at(3),
            "│Crew 12345, L-Berths 1234567, Troops 1234567, Fuel 1234.5t, Cargo 1234567t, Pass. "
            "1234567│\r\n");
}

TEST_F(CardHeaderTest, TheRecordKeepsItsChangesForTheNextCard) {
  // Tag, agility 5 above M-Drive 3, EP 0 with P-Plant 2 at 1500 tons.
  put({.name = "KYV-Saltmarsh", .profile = "AB-11032", .tons = 1500, .ep = 0, .agility = 5});
  on_screen();
  // Header text of 52 characters, 10 blanks before; drive text of 47 characters,
  // 15.5 rounded to even: 16 blanks before.
  const std::string header = "│AB│" + blanks(10) +
                             "Saltmarsh, Courier, Needle/Wedge, streamlined, 1500t" + blanks(10) +
                             "│10│";
  const std::string drive =
      "│" + blanks(16) + "M-Drive = 3g, Agility = 3, P-Plant = 2, EP = 30" + blanks(15) + "│";
  for (int card = 1; card <= 2; ++card) {
    console::clear_screen(c);
    print_card_header(p, c);
    EXPECT_EQ(row(2), header) << card;
    EXPECT_EQ(row(6), drive) << card;
    EXPECT_EQ(p.ship_name[kRecord], "Saltmarsh");
    EXPECT_EQ(p.ship_agility[kRecord], 3.0f);
    EXPECT_EQ(p.ship_ep[kRecord], 30.0f);
  }
}

TEST_F(CardHeaderTest, EveryWriteToAClosedDocumentIsReportedAndTheCardGoesOn) {
  put(kFrigate);
  p.output_channel = 1;  // the document could not be created
  host.answer_boxes({true, true, true, true, true, true, true, true, true, true, true, true});
  print_card();
  // Nine writes of the header (rows 1 to 8, row 4 in two) and three of the defence line.
  ASSERT_EQ(host.boxes().size(), 12u);
  for (const auto& box : host.boxes()) EXPECT_EQ(box.title, "Unhandled Error #52");
  EXPECT_EQ(p.armor_rating, 7.0f);
  EXPECT_EQ(p.computer_model, 3.0f);
  EXPECT_EQ(p.ship_name[kRecord], "Harrowmere");
}

}  // namespace
}  // namespace card
