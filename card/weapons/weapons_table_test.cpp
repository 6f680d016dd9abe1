// The weapons table on the screen and in the document, for ships set up by hand as the
// card header and the defence line leave them. Every expected row was worked out from
// the table's rules on paper.
#include "card/weapons/weapons_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card/card_writes.h"
#include "console/cp437.h"
#include "console/files.h"
#include "console/screen.h"
#include "console/scripted_host.h"
#include "console/working_folder_test_support.h"
#include "program/ship_record_test_support.h"

namespace card {
namespace {

const std::string kTop =
    "╞══════════════╪═══════╪═══╤═══╦═════╤═══╤═══╤═══╤═══╤═══╤═══╤═══╤═══╤═══╤═════╡";
const std::string kSeparator =
    "├──────────────┼───────┼───┼───╫─────┼───┼───┼───┼───┼───┼───┼───┼───┼───┼─────┤";
const std::string kBottom =
    "└──────────────┴───────┴───┴───╨─────┴───┴───┴───┴───┴───┴───┴───┴───┴───┴─────┘";
const std::string kRow8 = "│ 1x COM     2 │ ARM 6 │ the defence line of the ship ...";

// The code page 437 bytes of a UTF-8 text.
std::string cp437(const std::string& utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    bytes += static_cast<char>(console::cp437_from_code_point(code));
    i += static_cast<std::size_t>(length);
  }
  return bytes;
}

// The document bytes of lines ended by CR LF, the last one without.
std::string document_of(const std::vector<std::string>& lines) {
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) bytes += cp437(lines[i]) + (i + 1 < lines.size() ? "\r\n" : "");
  return bytes;
}

// The ship as the card header and the defence line leave it.
struct ShipSetup {
  std::string profile;
  std::string batteries;
  float agility = 0;
  float computer_model = 1;
  float size_modifier = 0;
  float armor_rating = 0;
  float hull_factor = 1;
  float code_x = 0, code_y = 0;
};

constexpr int kShip = 37;

class WeaponsTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.attach(console);
    build_frame_strings(p);
  }
  void TearDown() override { console::close_all_files(console); }

  void set_ship(const ShipSetup& s) {
    p.ship_index = kShip;
    program::put_ship(p, kShip,
                      {.profile = s.profile, .batteries = s.batteries, .agility = s.agility, .code_x = s.code_x,
                       .code_y = s.code_y});
    p.computer_model = s.computer_model;
    p.size_modifier = s.size_modifier;
    p.armor_rating = s.armor_rating;
    p.hull_factor = s.hull_factor;
  }

  // The table on a cleared screen under a row 8 as the defence line ends it; rows 8 to
  // 25 afterwards, trimmed.
  std::vector<std::string> screen_card() {
    console::open_file(console, "SCRN:", console::FileMode::Output, 2);
    p.output_channel = 2;
    console::clear_screen(console);
    console::move_cursor(console, 8, 1);
    console::print_to_screen(console, cp437(kRow8), true);
    print_weapons_table(p, console);
    std::vector<std::string> rows;
    for (int r = 8; r <= 25; ++r) {
      rows.push_back(console::page_text_row(console.page, r));
    }
    return rows;
  }

  // The bytes of the table written as the document.
  std::string document_card() {
    console::open_file(console, "CARD.DOC", console::FileMode::Output, 1);
    p.output_channel = 1;
    print_weapons_table(p, console);
    console::close_file(console, 1);
    return folder_.read("CARD.DOC");
  }

  // The document's lines as UTF-8.
  std::vector<std::string> document_lines() {
    const std::string bytes = document_card();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.push_back(console::cp437_to_utf8(bytes.substr(start, end - start)));
    }
    lines.push_back(console::cp437_to_utf8(bytes.substr(start)));
    return lines;
  }

  console::ScriptedHost host;
  console::Console console{host};
  program::Program p = program::program_with_ship_arrays();

 private:
  console::WorkingFolder folder_;
};

// A cruiser with every weapon: hull M (21, battery factor .9), armor 6, computer model
// 2, size modifier 0, agility 3. Lasers 5 (4 batteries), energy weapons 2 (2), a
// spinal particle weapon C = 12 (1), meson guns 3 (3) and missiles 6 (A = 10).
ShipSetup every_weapon_ship() {
  ShipSetup s;
  s.profile = "CR-M324452-610000-52C36";
  s.batteries = std::string(18, ' ') + "4213A";
  s.agility = 3;
  s.computer_model = 2;
  s.size_modifier = 0;
  s.armor_rating = 6;
  s.hull_factor = 0.9f;
  return s;
}

const std::vector<std::string> EVERY_WEAPON_TABLE = {
    kTop,
    "│ EVASION  + 5 │ Batt. │ S │ L ║ CM+2│ 1 │ 2 │ 3 │ 4 │ 5 │ 6 │ 7 │ 8 │ 9 │CT24Q│",
    kSeparator,
    "│ Laser      5 │   4   │ 4 │ 5 ║ SaC │ 0 │ 1 │ 2 │ 3 │ 4 │ 5 │ 6 │ 7 │ 8 │  x1 │",
    kSeparator,
    "│ Energy     2 │   2   │ 2 │ X ║ SaC │ 1 │ 2 │ 3 │ 4 │ 5 │ 6 │ 7 │ 8 │ 9 │  x1 │",
    kSeparator,
    "│ PA Spinal  C │   1   │ 1 │ 1 ║  -  │ - │ - │ - │ - │ - │ - │ - │ - │ - │ x 2 │",
    kSeparator,
    "│ Meson Gun  3 │   3   │ 4 │ 6 ║ MES │13 │14 │14 │14 │15 │15 │16 │16 │17 │  x1 │",
    "│              │       │   │   ║ Con │10 │ 8 │ 7 │ 4 │ 3 │ 6 │12 │ 2 │11 │     │",
    kSeparator,
    "│              │       │   │   ║ S/B │-1 │ 0 │ 1 │ 2 │ 3 │ 4 │ 5 │ 6 │ 7 │     │",
    "│ Missiles   6 │   9   │ 3 │ 2 ║ REP │ 8 │ 9 │10 │11 │12 │13 │14 │15 │16 │  x1 │",
    "│              │       │   │   ║ NuD │ 3 │ 4 │ 5 │ 6 │ 7 │ 8 │ 9 │10 │11 │     │",
    kBottom,
};

TEST_F(WeaponsTableTest, EveryWeaponOnTheScreenEndsOnRow24) {
  set_ship(every_weapon_ship());
  std::vector<std::string> expected = {kRow8};
  expected.insert(expected.end(), EVERY_WEAPON_TABLE.begin(), EVERY_WEAPON_TABLE.end());
  expected.push_back("");  // row 25
  EXPECT_EQ(screen_card(), expected);
  EXPECT_EQ(console.page.cursor_row(), 24);
  EXPECT_EQ(console.page.cursor_column(), 80);
  EXPECT_TRUE(console.page.pending_wrap);
  EXPECT_EQ(console.errors.pending, 0);
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(WeaponsTableTest, EveryWeaponInTheDocument) {
  set_ship(every_weapon_ship());
  EXPECT_EQ(document_card(), document_of(EVERY_WEAPON_TABLE));
  EXPECT_TRUE(host.boxes().empty());
}

// The particle weapon of that cruiser rated by the ship's own X value, 120: its
// multiplier " x%110 │" makes the row 82 characters long. On the screen the row wraps,
// every row under it moves down one, and the NuD row ends in column 80 of row 24 without
// a line end, so the screen does not scroll and the bottom rule covers that row.
TEST_F(WeaponsTableTest, AnOverflowingRowPushesTheRowsUnderItDown) {
  ShipSetup s = every_weapon_ship();
  s.profile = "CR-M324452-610000-52X36";
  s.code_x = 120;
  set_ship(s);
  const std::string particles =
      "│ PA Spinal  X │   1   │-2 │-2 ║  -  │ - │ - │ - │ - │ - │ - │ - │ - │ - │ x%110";
  std::vector<std::string> expected = {kRow8};
  expected.insert(expected.end(), EVERY_WEAPON_TABLE.begin(), EVERY_WEAPON_TABLE.begin() + 7);
  expected.push_back(particles);
  expected.push_back(" │");
  expected.insert(expected.end(), EVERY_WEAPON_TABLE.begin() + 8, EVERY_WEAPON_TABLE.begin() + 14);
  expected.push_back(kBottom);
  expected.push_back("");
  EXPECT_EQ(screen_card(), expected);

  std::vector<std::string> document = EVERY_WEAPON_TABLE;
  document[7] = particles + " │";
  EXPECT_EQ(document_card(), document_of(document));
}

// A scout without weapons (its particle rating 9 has no batteries), computer model 12
// on a small hull (size modifier -2): the CM field overflows and the header row grows
// to 82 characters. Hull 8 and armor 1 give a CT value of 8, without a code letter.
ShipSetup unarmed_scout() {
  ShipSetup s;
  s.profile = "SC-8113A20-100000-00900";
  s.batteries = std::string(23, ' ');
  s.computer_model = 12;
  s.size_modifier = -2;
  s.armor_rating = 1;
  return s;
}

const std::string kUnarmedHeader =
    "│ EVASION  +14 │ Batt. │ S │ L ║ CM%+12│ 1 │ 2 │ 3 │ 4 │ 5 │ 6 │ 7 │ 8 │ 9 │CT 8 │";

// On the screen the header wraps after "CT 8"; the frame written in column 80 covers
// the 8, the separator and then the bottom rule cover the wrapped blank on row 11.
TEST_F(WeaponsTableTest, UnarmedScoutOnTheScreen) {
  set_ship(unarmed_scout());
  std::vector<std::string> expected = {
      kRow8, kTop,
      "│ EVASION  +14 │ Batt. │ S │ L ║ CM%+12│ 1 │ 2 │ 3 │ 4 │ 5 │ 6 │ 7 │ 8 │ 9 │CT │",
      kBottom};
  expected.resize(18, "");  // rows 12 to 25 stay empty
  EXPECT_EQ(screen_card(), expected);
  EXPECT_EQ(console.page.cursor_row(), 11);
  EXPECT_EQ(console.page.cursor_column(), 80);
}

TEST_F(WeaponsTableTest, UnarmedScoutInTheDocumentKeepsTheSeparator) {
  set_ship(unarmed_scout());
  EXPECT_EQ(document_card(), document_of({kTop, kUnarmedHeader, kSeparator, kBottom}));
}

const std::string kHeadings = "│ 1 │ 2 │ 3 │ 4 │ 5 │ 6 │ 7 │ 8 │ 9 │";
const std::string kNoHead = "│              │       │   │   ║";

// Only lasers 9, one battery at factor .5, computer model 1: on the screen the bottom
// rule covers the second separator.
TEST_F(WeaponsTableTest, OnlyLasers) {
  ShipSetup s;
  s.profile = "DD-A111510-000000-90000";
  s.batteries = std::string(18, ' ') + "1";
  s.hull_factor = 0.5f;
  set_ship(s);
  const std::string header = "│ EVASION  + 1 │ Batt. │ S │ L ║ CM+1" + kHeadings + "CT10A│";
  const std::string lasers =
      "│ Laser      9 │   1   │ 3 │ 4 ║ SaC │-3 │-2 │-1 │ 0 │ 1 │ 2 │ 3 │ 4 │ 5 │  x1 │";
  std::vector<std::string> expected = {kRow8, kTop, header, kSeparator, lasers, kBottom};
  expected.resize(18, "");
  EXPECT_EQ(screen_card(), expected);
  EXPECT_EQ(document_lines(), (std::vector<std::string>{kTop, header, kSeparator, lasers, kSeparator, kBottom}));
}

// Only missiles 3 with 4 batteries: the three rows have no line end on the screen and
// still stand one under the other; the bottom rule follows the NuD row.
TEST_F(WeaponsTableTest, OnlyMissiles) {
  ShipSetup s;
  s.profile = "MS-2111110-000000-00003";
  s.batteries = std::string(22, ' ') + "4";
  set_ship(s);
  const std::vector<std::string> table = {
      kTop,
      "│ EVASION  + 1 │ Batt. │ S │ L ║ CM+1" + kHeadings + "CT 2 │",
      kSeparator,
      kNoHead + " S/B │ 5 │ 6 │ 7 │ 8 │ 9 │10 │11 │12 │13 │     │",
      "│ Missiles   3 │   4   │ 5 │ 4 ║ REP │12 │13 │14 │15 │16 │17 │18 │19 │20 │  x1 │",
      kNoHead + " NuD │ 7 │ 8 │ 9 │10 │11 │12 │13 │14 │15 │     │",
      kBottom,
  };
  std::vector<std::string> expected = {kRow8};
  expected.insert(expected.end(), table.begin(), table.end());
  expected.resize(18, "");
  EXPECT_EQ(screen_card(), expected);
  EXPECT_EQ(document_card(), document_of(table));
}

// The header row by hull size, armor, computer model, size modifier and agility.
TEST_F(WeaponsTableTest, HeaderRow) {
  static const struct {
    char hull;
    float armor, model, size_modifier, agility;
    std::string evasion_to_cm, ct;
  } cases[] = {
      {'A', 4, 5, 0, 0, "│ EVASION  + 5 │ Batt. │ S │ L ║ CM+5", "CT12C│"},
      {'5', 0, 1, 2, 0, "│ EVASION  - 1 │ Batt. │ S │ L ║ CM+1", "CT 5 │"},
      {'W', 7, 3, -1, 8, "│ EVASION  +12 │ Batt. │ S │ L ║ CM+3", "CT33Z│"},
      {'9', 2, 1, 0, 0, "│ EVASION  + 1 │ Batt. │ S │ L ║ CM+1", "CT10A│"},
      {'9', 1.5f, 1, 0, 0, "│ EVASION  + 1 │ Batt. │ S │ L ║ CM+1", "CT 9 │"},
      {'K', -3, 1, 0, 0, "│ EVASION  + 1 │ Batt. │ S │ L ║ CM+1", "CT17H│"},  // 19 + (-2)
      {'1', 0, 1, -2, 99, "│ EVASION  %+102 │ Batt. │ S │ L ║ CM+1", "CT 1 │"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ct);
    ShipSetup s;
    s.profile = std::string("XX-") + c.hull + "11110-000000-00000";
    s.armor_rating = c.armor;
    s.computer_model = c.model;
    s.size_modifier = c.size_modifier;
    s.agility = c.agility;
    set_ship(s);
    const std::vector<std::string> lines = document_lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], c.evasion_to_cm + kHeadings + c.ct);
  }
}

// Laser rows at a hull factor of .5: the battery count rounds half away from zero, an
// S or L value of -10 or below overflows its field, an L value below -20 shows " X",
// and a cell of -10 or below takes three positions.
TEST_F(WeaponsTableTest, LaserRows) {
  static const struct {
    char rating, batteries;
    float model;
    const char* row;
  } cases[] = {
      {'9', '1', 12, "│ Laser      9 │   1   │-8 │-7 ║ SaC │-14│-13│-12│-11│-10│-9 │-8 │-7 │-6 │  x1 │"},
      {'1', '5', 18, "│ Laser      1 │   3   │%-10 │-9 ║ SaC │-12│-11│-10│-9 │-8 │-7 │-6 │-5 │-4 │  x1 │"},
      {'1', '3', 29, "│ Laser      1 │   2   │%-21 │%-20 ║ SaC │-23│-22│-21│-20│-19│-18│-17│-16│-15│  x1 │"},
      {'1', ' ', 30, "│ Laser      1 │   0   │%-22 │ X ║ SaC │-24│-23│-22│-21│-20│-19│-18│-17│-16│  x1 │"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    ShipSetup s;
    s.profile = std::string("DD-A111510-000000-") + c.rating + "0000";
    s.batteries = std::string(18, ' ') + c.batteries;
    s.computer_model = c.model;
    s.hull_factor = 0.5f;
    set_ship(s);
    const std::vector<std::string> lines = document_lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], c.row);
  }
}

// Without lasers the energy weapons take the beam base of 8.
TEST_F(WeaponsTableTest, EnergyWeaponsWithoutLasers) {
  ShipSetup s;
  s.profile = "DD-A111510-000000-0E000";
  s.batteries = std::string(19, ' ') + "3";
  set_ship(s);
  const std::vector<std::string> lines = document_lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], "│ Energy     E │   3   │ 5 │ X ║ SaC │-10│-9 │-8 │-7 │-6 │-5 │-4 │-3 │-2 │  x1 │");
}

// The particle group is there when it has batteries, whatever its rating; above 10 it
// is a spinal weapon. A rating of exactly 10 keeps the plain label and "x1".
TEST_F(WeaponsTableTest, ParticleRows) {
  static const struct {
    char rating, batteries;
    const char* row;
  } cases[] = {
      {'0', '1', "│ Particle   0 │   1   │ 6 │ 6 ║  -  │ - │ - │ - │ - │ - │ - │ - │ - │ - │  x1 │"},
      {'A', '1', "│ Particle   A │   1   │ 2 │ 2 ║  -  │ - │ - │ - │ - │ - │ - │ - │ - │ - │  x1 │"},
      {'B', '2', "│ PA Spinal  B │   2   │ 2 │ 2 ║  -  │ - │ - │ - │ - │ - │ - │ - │ - │ - │ x 1 │"},
      {'N', '1', "│ PA Spinal  N │   1   │ 0 │ 0 ║  -  │ - │ - │ - │ - │ - │ - │ - │ - │ - │ x12 │"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    ShipSetup s;
    s.profile = std::string("DD-A111510-000000-00") + c.rating + "00";
    s.batteries = std::string(20, ' ') + c.batteries;
    set_ship(s);
    const std::vector<std::string> lines = document_lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], c.row);
  }
}

// Meson rows: rating 10 (plain label, "x1"), 27 (the last digits of every string) and
// 28 (past the digits: 0 less the computer model).
TEST_F(WeaponsTableTest, MesonRows) {
  static const struct {
    char rating, batteries;
    float model;
    const char* mes;
    std::string con;
  } cases[] = {
      {'A', '1', 1, "│ Meson Gun  A │   1   │ 2 │ 4 ║ MES │ 8 │11 │ 9 │10 │10 │11 │11 │12 │12 │  x1 │",
       kNoHead + " Con │ 7 │ 6 │ 5 │ 2 │ 1 │ 4 │10 │-1 │ 9 │     │"},
      {'T', '2', 1, "│ ME Spinal  T │   2   │ 1 │ 3 ║ MES │ 0 │ 1 │ 1 │ 1 │ 2 │ 2 │ 3 │ 3 │ 4 │ x17 │",
       kNoHead + " Con │ 2 │ 0 │-1 │-1 │-1 │-1 │ 4 │-1 │ 3 │     │"},
      {'U', '1', 3, "│ ME Spinal  U │   1   │-1 │ 1 ║ MES │-3 │-3 │-3 │-3 │-3 │-3 │-3 │-3 │-3 │ x18 │",
       kNoHead + " Con │-3 │-3 │-3 │-3 │-3 │-3 │-3 │-3 │-3 │     │"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mes);
    ShipSetup s;
    s.profile = std::string("DD-A111510-000000-000") + c.rating + "0";
    s.batteries = std::string(21, ' ') + c.batteries;
    s.computer_model = c.model;
    set_ship(s);
    const std::vector<std::string> lines = document_lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], c.mes);
    EXPECT_EQ(lines[4], c.con);
    EXPECT_EQ(lines[5], kSeparator);
  }
}

// A CT value and a missile rating from the ship's own X and Y values that leave the
// 16-bit range: each raises an overflow in its step; answered Yes, the CT shows 0 and
// the missile base is 7.
TEST_F(WeaponsTableTest, OverflowsOfTheCtValueAndTheMissileBase) {
  ShipSetup s;
  s.profile = "ER-X111110-000000-0000Y";
  s.code_x = 40000;
  s.code_y = 70000;
  set_ship(s);
  host.answer_boxes({true, true});
  const std::vector<std::string> expected = {
      kTop,
      "│ EVASION  + 1 │ Batt. │ S │ L ║ CM+1" + kHeadings + "CT 0 │",
      kSeparator,
      kNoHead + " S/B │ 5 │ 6 │ 7 │ 8 │ 9 │10 │11 │12 │13 │     │",
      "│ Missiles   Y │   0   │ 7 │ 6 ║ REP │%-69985│%-69984│%-69983│%-69982│%-69981│%-69980│%-69979│"
      "%-69978│%-69977│  x1 │",
      kNoHead + " NuD │%-69990│%-69989│%-69988│%-69987│%-69986│%-69985│%-69984│%-69983│%-69982│     │",
      kBottom,
  };
  EXPECT_EQ(document_lines(), expected);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[0].title, "Unhandled Error #6");
  EXPECT_EQ(host.boxes()[0].text, "Line: 459 (in main module)\nOverflow\nContinue?");
  EXPECT_EQ(host.boxes()[1].text, "Line: 569 (in main module)\nOverflow\nContinue?");
}

}  // namespace
}  // namespace card
