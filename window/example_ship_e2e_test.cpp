// The example design file examples/SHIP.DAT in the real program: its design result,
// its export file, its document card, its screen card and its damage view, each
// compared with what the design rules give for it, worked out by hand below.
//
// The ship: "Ostravel", a patrol frigate of class FR, 2500 tons, TL 10, so the
// effective TL of every threshold is 10 + 3 = 13.
//
// Design, pair by pair:
// - hull: 2500 tons is not below 2000, below 3000: "B". Hull factor 1; size modifier 0
//   (more than 1999 tons, not more than 10000).
// - configuration 2 (Cone, streamlined), armor 6, J-Drive 3, M-Drive 5: "2", "6", "3", "5".
// - P-Plant L is worth 34; TL 10 is below 15 (34 / 2) and below 13 (34 / 3 = 11.33),
//   not below 9: 11.33, rounded 11, "B". Budget 2500 x 0.01 x 11 = 275 EP.
// - computer 3F: profile character "C", 1 EP each; 2 computers take 2 EP (273 left);
//   the model is 3 x 2 + 0 = 6, so the design result shows " Computer 6".
// - lasers 4 x 0.5 + 4 + 0 = 6: factor 4 (more than 5, not more than 9), + 1 above TL
//   12: "5", one battery; 6 EP (267 left).
// - sand casters 6: factor 3 (more than 5, not more than 7), + 1 above TL 7 and + 1
//   above TL 9: "5", one battery; no EP.
// - energy weapons: one of the first kind: factor 7 (above TL 11), battery "1", 10 EP
//   (257 left).
// - particle sum 4 x 0.75 + 2 = 5: factor 3 (more than 3, not more than 5), + 1: "4",
//   one battery; EP 4 x 5 + 2 x 5 = 30 (227 left).
// - meson guns: one of the first kind: factor 4 (above TL 11), battery "1", 50 EP
//   (177 left).
// - missiles (2 + 12 x 1) x 2.5 = 35: factor 6 (at least 30, below 42), + 1: "7", one
//   battery (35 is not above 56); no EP.
// - MES 2 at TL 13: 2500 x 0.4 x 0.01 = 10 EP (167 left), digit "2". NuD Y at TL 13:
//   factor 3, 30 EP (137 left). BlG "0". REP 12: factor 7 (above 12, not above 13),
//   12 / 10 = 1.2, one battery.
// - crew 60: two digits, "2".
// - agility 137 / (2500 x 0.01) = 5.48, rounded down 5; the share left is 137 / 275 =
//   0.4981818 (single precision), x 100 = 49.818184, printed to seven digits 49.81818.
//
// Profile FR - B 2 3 5 B C 2 - 6 5 2 3 0 7 - 5 7 4 4 7; batteries in columns 13 (SaC),
// 17 (REP) and 19 to 23 (laser, energy, particle, meson, missile).
//
// Counter values (class 1: 1000 tons or more; computer "C" counts model 3):
// - BEAM 5 x 1 + 7 x 1 + (4 + 1)^1.5 x 1 + (4 + 1)^2 x 1 = 48.18; / 10 x sqrt 3 =
//   8.35, rounded 8; 8^0.65 = 3.86, in its two-digit field " 4".
// - MISSILE 7 x 1 = 7; / 10 x sqrt 3 = 1.21, rounded 1; 1^0.65 = 1.
// - screens: SaC 5 x 1 (battery 1 counts 1) + 1 + REP 7 x 1 + MES 2 + NuD 3 + agility
//   5 + armor 6 = 29; hull exponent (11 + 1)^0.08 = 1.2199; 29^1.2199 = 60.82; / 10 x
//   sqrt 3 = 10.53, rounded 11; sqrt 11 = 3.32, in its field " 3".
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "console/cp437.h"
#include "window/e2e_harness.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The lines (written here in UTF-8) as code page 437 bytes, each ended by CR LF.
std::string document_of(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += console::utf8_to_cp437(line) + "\r\n";
  return bytes;
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// A line character (UTF-8) n times.
std::string repeat(const std::string& character, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += character;
  return out;
}

const std::string kProfile = "FR-B235BC2-652307-57447";
const std::string kBatteries = "            1   1 11111";

// The design result on the screen, rows 1 to 18, trailing blanks dropped: the class
// code and name, the computer model, the profile and batteries, the EP row with the
// budget, the EP left, the share left and the agility, each number with its blank,
// then the counter values and the output question after one empty row.
const std::vector<std::string> DESIGN_RESULT = {
    " FR Ostravel",
    "",
    " Computer 6",
    "",
    " " + kProfile,
    " " + kBatteries,
    "",
    " EP : 275  137  49.81818 %, Agility : 5",
    "",
    " VALDORIN / BRELLACOSTA Stats",
    "",
    " Class   : 1 = 1.000-9.999 tons (Destroyer)",
    "",
    " BEAM    : 4",
    " MISSILE : 1",
    " SREENS  : 3",
    "",
    kOutputQuestion,
};

// The export: a blank before each line, every number as its number text and one
// blank. Line 1: " Ostravel" ends in column 9; the zone adds one blank and then four
// more, so the type starts in column 15. Line 2: the profile, the auxiliary value 0
// and the tons. Line 3: the batteries, the crew and the TL. Line 4: passengers 4, low
// berths 6, cargo 80, fuel 500, the whole budget 275, agility 5, troops 10.
const std::string EXPORT =
    " Ostravel     Patrol Frigate\r\n"
    " FR-B235BC2-652307-57447 0  2500 \r\n"
    "             1   1 11111 60  10 \r\n"
    "  4  6  80  500  275  5  10 \r\n";

// The rules of the weapons table and the damage box, as the card draws them.
const std::string kTopRule =
    "╞══════════════╪═══════╪═══╤═══╦═════╤═══╤═══╤═══╤═══╤═══╤═══╤═══╤═══╤═══╤═════╡";
const std::string kSeparator =
    "├──────────────┼───────┼───┼───╫─────┼───┼───┼───┼───┼───┼───┼───┼───┼───┼─────┤";
const std::string kBottomRule =
    "└──────────────┴───────┴───┴───╨─────┴───┴───┴───┴───┴───┴───┴───┴───┴───┴─────┘";

// Row 7: the rule over the computer and armor cells.
const std::string kRowSevenRule =
    "├" + repeat("─", 14) + "┬" + repeat("─", 7) + "┬" + repeat("─", 55) + "┤";

// Row 8 after the computer cell "│ 2x COM 3 fib │" (2 computers of "3 fib") and the
// armor cell: the defence text "DEFENCE:  MES = 2  NuD = 3   1 x SaC 5   1 x REP 7"
// has 50 characters, centred in 55 columns with 2 blanks before it and 3 after it.
const std::string kDefences = "  DEFENCE:  MES = 2  NuD = 3   1 x SaC 5   1 x REP 7   │";

// The weapons table, the same lines in the document and on the screen (rows 9 to
// 24). Computer model 6 (3 x 2 computers + bonus 0); EVASION (6 - 0) + 5 = +11; CT is
// the hull size 11 + 6 / 2 = 14, "E".
// - Laser 5: base 8 - 5 / 2 rounded down = 6, less the model: 0; S 0, L 1; cells
//   (6 - 5 + j) - 6 = j - 5.
// - Energy 7: the laser's base: S 0 - 2, L shown as X; cells (6 - 7 + j) - 6 - 2 = j - 9.
// - Particle 4: base 7 - 6 = 1; S 1, L 1.
// - Meson gun 4: base 7 - 6 = 1; S -1, L 1; the MES and Con cells are the 4th two-digit
//   number of each string of the meson tables, less 6.
// - Missiles 7: base 7 - (3.5 rounded to even 4) = 3, less 6: -3; S -2, L -3; S/B
//   cells (5 - 5 + j) - 6, REP cells (15 - 7 + j) - 6, NuD cells (10 - 7 + j) - 6.
const std::vector<std::string> WEAPONS_TABLE = {
    kTopRule,
    "│ EVASION  +11 │ Batt. │ S │ L ║ CM+6│ 1 │ 2 │ 3 │ 4 │ 5 │ 6 │ 7 │ 8 │ 9 │CT14E│",
    kSeparator,
    "│ Laser      5 │   1   │ 0 │ 1 ║ SaC │-4 │-3 │-2 │-1 │ 0 │ 1 │ 2 │ 3 │ 4 │  x1 │",
    kSeparator,
    "│ Energy     7 │   1   │-2 │ X ║ SaC │-8 │-7 │-6 │-5 │-4 │-3 │-2 │-1 │ 0 │  x1 │",
    kSeparator,
    "│ Particle   4 │   1   │ 1 │ 1 ║  -  │ - │ - │ - │ - │ - │ - │ - │ - │ - │  x1 │",
    kSeparator,
    "│ Meson Gun  4 │   1   │-1 │ 1 ║ MES │ 8 │ 9 │ 9 │10 │10 │11 │11 │12 │12 │  x1 │",
    "│              │       │   │   ║ Con │ 5 │ 4 │ 3 │ 0 │-1 │ 1 │ 8 │-3 │ 7 │     │",
    kSeparator,
    "│              │       │   │   ║ S/B │-5 │-4 │-3 │-2 │-1 │ 0 │ 1 │ 2 │ 3 │     │",
    "│ Missiles   7 │   1   │-2 │-3 ║ REP │ 3 │ 4 │ 5 │ 6 │ 7 │ 8 │ 9 │10 │11 │  x1 │",
    "│              │       │   │   ║ NuD │-2 │-1 │ 0 │ 1 │ 2 │ 3 │ 4 │ 5 │ 6 │     │",
    kBottomRule,
};

// The damage box at armor 6, with a "fib" computer (its computer results read
// " - NE -") and a J-Drive (its jump results stay). For a roll K the columns read the
// surface results at K + 12 and K + 6, the radiation results at K + 6 (twice) and K,
// the interior explosions at K + 6 and K, and the critical hits at K; an index above
// 21 of the surface results is " - NE -".
const std::vector<std::string> DAMAGE_BOX = {
    "┌────┬─────────────────┬──────────────────────────┬─────────────────┬──────────┐",
    "│  2 │ SURFACE  DAMAGE │     RADIATION DAMAGE     │ INT. EXPLOSIONS │ CRITICAL │",
    "│  D ├────────┬────────┼────────┬────────┬────────┼────────┬────────┤          │",
    "│  6 │Factor<A│Nukes/SM│ Armor  │Meson<10│Meson SM│Meson<10│MesSM/IE│   HITS   │",
    "├────┼════════╪════════╪════════╪════════╪════════╪════════╪════════╪══════════┤",
    "│  2 │ Weap-1 │ Weap-3 │ - NE - │ - NE - │CRITICAL│JDrive-2│CRITICAL│DESTROYED!│",
    "│  3 │ Weap-1 │MDrive-1│ - NE - │ - NE - │ Crew-1 │Power-2 │CRITICAL│ Bridge   │",
    "│  4 │ Fuel-1 │ Fuel-2 │ Weap-4 │ Weap-4 │ - NE - │ Crew-1 │CRITICAL│Computer  │",
    "│  5 │ Weap-1 │ Weap-2 │ - NE - │ - NE - │ Crew-1 │ Comp-1 │>TANKS< │ M-Drive  │",
    "│  6 │ Weap-1 │MDrive-1│ Weap-3 │ Weap-3 │ - NE - │Screen-2│ Comp-2 │ 1xScreen │",
    "│  7 │ Fuel-1 │ Fuel-1 │ - NE - │ - NE - │ Crew-1 │JDrive-1│Screen-3│ Z-Drive  │",
    "│  8 │ Weap-1 │ Weap-1 │ Weap-2 │ Weap-2 │ - NE - │Power-1 │JDrive-2│  Hangar  │",
    "│  9 │ Weap-1 │ Weap-1 │ - NE - │ - NE - │ - NE - │ Comp-1 │Power-2 │ P-Plant  │",
    "│ 10 │ - NE - │ Fuel-1 │ Weap-2 │ Weap-2 │ Weap-4 │Screen-1│ Crew-1 │ Crew-50% │",
    "│ 11 │ - NE - │ Weap-1 │ Weap-1 │ Weap-1 │ - NE - │JDrive-1│ Comp-1 │  SM/FC   │",
    "│ 12 │ - NE - │ Weap-1 │ Weap-1 │ Weap-1 │ Weap-3 │Power-1 │Screen-2│FrWa/Troop│",
    "└────┴────────┴────────┴────────┴────────┴────────┴────────┴────────┴──────────┘",
};

// The title "Ostravel - Patrol Frigate" (25 characters) after (79 - 25) / 2 = 27
// blanks; the profile and the batteries after (79 - 23) / 2 = 28.
const std::vector<std::string> TITLE_BLOCK = {
    "",
    blanks(27) + "Ostravel - Patrol Frigate",
    "",
    blanks(28) + kProfile,
    blanks(28) + kBatteries,
    "",
};

// The document card, line by line.
// - Header: "FR-Ostravel, Patrol Frigate, Cone, streamlined, 2.5kt, TL 10" (60 characters)
//   after (78 - 60) / 2 = 9 blanks.
// - Crew: 2.5 + 0.9 gives 3 sections of 60 / 3 = 20; the text " 3 Crew Section 20,
//   L-Berths 6, Troops 10, Fuel 500t, Cargo 80t, Pass. 4" (72 characters) gets 3 blanks
//   on each side.
// - Drives: "M-Drive = 5g, Agility = 5, J-Drive = 3, P-Plant = 11, EP = 275" (62
//   characters, the agility 5 is not above the M-Drive) gets 8 on each side.
// - Movement at M-Drive 5 and agility 5: (10 + 0, 0, 1, 1, 2, 2) / 3 rounded: 3 3 4 4 4 4.
std::vector<std::string> document_lines() {
  std::vector<std::string> lines = {
      blanks(9) + "FR-Ostravel, Patrol Frigate, Cone, streamlined, 2.5kt, TL 10",
      "",
      "┌" + repeat("─", 78) + "┐",
      "│" + blanks(3) + " 3 Crew Section 20, L-Berths 6, Troops 10, Fuel 500t, Cargo 80t, Pass. 4" +
          blanks(3) + "│",
      "├" + repeat("─", 78) + "┤",
      "│" + blanks(8) + "M-Drive = 5g, Agility = 5, J-Drive = 3, P-Plant = 11, EP = 275" + blanks(8) +
          "│",
      kRowSevenRule,
      "│ 2x COM 3 fib │ ARM 6 │" + kDefences,
  };
  lines.insert(lines.end(), WEAPONS_TABLE.begin(), WEAPONS_TABLE.end());
  lines.insert(lines.end(), DAMAGE_BOX.begin(), DAMAGE_BOX.end());
  lines.insert(lines.end(), TITLE_BLOCK.begin(), TITLE_BLOCK.end());
  const std::vector<std::string> closing = {
      " Hexes & Kestramond Movement Calculation",
      " M-Drive 5 Agility 5  Skill :  1  2  3  4  5  6",
      " Movement in Hexes per Turn :  3  3  4  4  4  4",
      "",
      "",
      " VALDORIN / BRELLACOSTA Stats",
      "",
      " Class   : 1 = 1.000-9.999 tons (Destroyer)",
      "",
      " BEAM    : 4",
      " MISSILE : 1",
      " SREENS  : 3",
  };
  lines.insert(lines.end(), closing.begin(), closing.end());
  return lines;
}

// The screen card, rows 1 to 25 with their trailing blanks dropped. The header text
// has no class code and no TL (those stand in boxes of their own): "Ostravel, Patrol
// Frigate, Cone, streamlined, 2.5kt" (50 characters) after (72 - 50) / 2 = 11 blanks
// from column 5. The crew text has no cargo and no passengers: " 3 Crew Section 20,
// L-Berths 6, Troops 10, Fuel 500t" (52 characters) after (78 - 52) / 2 = 13 blanks
// from column 2. The armor cell shows armor 6 as three double bars.
std::vector<std::string> screen_card_rows() {
  std::vector<std::string> rows = {
      "┌──┬" + repeat("─", 72) + "┬──┐",
      "│FR│" + blanks(11) + "Ostravel, Patrol Frigate, Cone, streamlined, 2.5kt" + blanks(11) + "│10│",
      "├──┴" + repeat("─", 72) + "┴──┤",
      "│" + blanks(13) + " 3 Crew Section 20, L-Berths 6, Troops 10, Fuel 500t" + blanks(13) + "│",
      "├" + repeat("─", 78) + "┤",
      "│" + blanks(8) + "M-Drive = 5g, Agility = 5, J-Drive = 3, P-Plant = 11, EP = 275" + blanks(8) +
          "│",
      kRowSevenRule,
      "│ 2x COM 3 fib │║║║    │" + kDefences,
  };
  rows.insert(rows.end(), WEAPONS_TABLE.begin(), WEAPONS_TABLE.end());
  rows.push_back("");
  return rows;
}

// The damage view after T: the damage box on rows 1 to 17, the title block from row 18;
// rows 24 and 25 stay empty.
std::vector<std::string> damage_view_rows() {
  std::vector<std::string> rows = DAMAGE_BOX;
  rows.insert(rows.end(), TITLE_BLOCK.begin(), TITLE_BLOCK.end());
  rows.push_back("");
  rows.push_back("");
  return rows;
}

// Rows 1 to n of a screen in UTF-8, without trailing blanks.
std::vector<std::string> rows_of(const Screen& s, int n) {
  std::vector<std::string> rows;
  for (int r = 1; r <= n; ++r) rows.push_back(console::cp437_to_utf8(s.row(r)));
  return rows;
}

std::vector<std::string> without_trailing_blanks(std::vector<std::string> rows) {
  for (auto& row : rows) {
    while (!row.empty() && row.back() == ' ') row.pop_back();
  }
  return rows;
}

std::string example_ship_file() { return read_file(DATACARD_EXAMPLE_SHIP); }

// The file with another value for its first pair (the caption holds no comma).
std::string with_first_value(std::string file, const std::string& value) {
  const std::size_t comma = file.find(',');
  const std::size_t end = file.find_first_of("\r\n", comma);
  return file.replace(comma + 1, end - comma - 1, value);
}

class ExampleShip : public ::testing::Test {
 protected:
  void SetUp() override { start(example_ship_file()); }

  void start(const std::string& design_file) {
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    const std::map<std::string, std::string> files = {{"SHIP.DAT", design_file}};
    run.emplace(display, binary_under_test(DATACARD_BINARY), files);
    ASSERT_TRUE(run->wait_for_window()) << "no window";
  }

  // The start designs the example at once: the design result and the output question.
  void reach_the_design_result() {
    ASSERT_TRUE(run->wait_for_screen([](const Screen& s) { return s.row(18) == kOutputQuestion; }))
        << run->last_screen_dump();
  }

  // Waits until the file holds its last line, ended by CR LF.
  std::string wait_for_file(const std::string& name, const std::string& last_line) {
    const fs::path path = fs::path(run->folder()) / name;
    const auto end = std::chrono::steady_clock::now() + kPatience;
    std::string bytes;
    while (std::chrono::steady_clock::now() < end) {
      bytes = read_file(path);
      const std::string ending = last_line + "\r\n";
      if (bytes.size() >= ending.size() &&
          bytes.compare(bytes.size() - ending.size(), std::string::npos, ending) == 0) {
        break;
      }
      struct timespec nap{0, 20'000'000};
      nanosleep(&nap, nullptr);
    }
    return bytes;
  }

  VirtualDisplay display;
  std::optional<ProgramRun> run;
};

TEST_F(ExampleShip, TheStartShowsTheDesignResultAndWritesTheExport) {
  reach_the_design_result();
  const auto screen = run->read_screen();
  ASSERT_TRUE(screen);
  EXPECT_EQ(rows_of(*screen, 18), DESIGN_RESULT) << screen->dump();
  EXPECT_EQ(read_file(fs::path(run->folder()) / "Ostravel.txt"), EXPORT);
}

TEST_F(ExampleShip, DWritesTheDocumentCardAndTheStartDesignsTheShipAgain) {
  reach_the_design_result();
  // The export goes, so that the one the restart writes shows the design ran again.
  fs::remove(fs::path(run->folder()) / "Ostravel.txt");
  run->type("d");
  const std::string document = wait_for_file("Ostravel.DOC", " SREENS  : 3");
  const std::string expected = document_of(document_lines());
  EXPECT_EQ(document, expected);
  // The excerpt a reader checks first: the title line, the drive row with the EP and
  // the profile line, each as a whole line of the document.
  for (const std::string& line : {std::string(blanks(27) + "Ostravel - Patrol Frigate"),
                                  console::utf8_to_cp437(document_lines()[5]),
                                  blanks(28) + kProfile}) {
    EXPECT_NE(document.find("\r\n" + line + "\r\n"), std::string::npos) << line;
  }
  // The restart after the document runs the design again, writes the export whole
  // and asks again.
  EXPECT_EQ(wait_for_file("Ostravel.txt", "  4  6  80  500  275  5  10 "), EXPORT);
  ASSERT_TRUE(run->wait_for_screen([](const Screen& s) {
    return s.row(18) == kOutputQuestion && s.row(1) == " FR Ostravel";
  })) << run->last_screen_dump();
}

TEST_F(ExampleShip, TheScreenCardAndItsDamageView) {
  reach_the_design_result();
  run->type("s");
  // The bottom rule of the weapons table on row 24 ends the card.
  const auto card =
      run->wait_for_screen([](const Screen& s) { return s.row(24).rfind("\xC0", 0) == 0; });
  ASSERT_TRUE(card) << run->last_screen_dump();
  EXPECT_EQ(rows_of(*card, 25), without_trailing_blanks(screen_card_rows())) << card->dump();

  run->type("t");
  // The battery line of the title block on row 22 is written last.
  const auto damage = run->wait_for_screen([](const Screen& s) {
    return s.row(19).find("Ostravel") != std::string::npos && !s.row(22).empty();
  });
  ASSERT_TRUE(damage) << run->last_screen_dump();
  EXPECT_EQ(rows_of(*damage, 25), without_trailing_blanks(damage_view_rows())) << damage->dump();
}

// The example as the first start puts it beside the program, with its first value "N":
// the menu follows the load at once, with no error box and no export.
class ExampleShipNotAskedFor : public ExampleShip {
 protected:
  void SetUp() override { start(with_first_value(example_ship_file(), "N")); }
};

TEST_F(ExampleShipNotAskedFor, TheStartGoesStraightToTheMenu) {
  const auto menu = run->wait_for_screen([](const Screen& s) {
    return s.row(1) == " KESTRAMOND DATA CARD GENERATOR" && s.row(24) == " Ship";
  });
  ASSERT_TRUE(menu) << run->last_screen_dump();
  EXPECT_FALSE(menu->contains("Unhandled Error")) << menu->dump();
  EXPECT_FALSE(fs::exists(fs::path(run->folder()) / "Ostravel.txt"));
}

}  // namespace
}  // namespace e2e
