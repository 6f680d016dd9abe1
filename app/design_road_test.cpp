// The design of SHIP.DAT on the road of the program, on the scripted host in a
// temporary folder: a missing file, a file that asks for no design, a file that
// designs record 0 (worked out by hand below), and the design asked for at the menu.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>

#include "app/run_program.h"
#include "app/scenario_test_support.h"
#include "ships/ship_list.h"

namespace app {
namespace {

constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

// A ship of 4000 tons at TL 11 (effective TL 14), worked out pair by pair:
// - hull: 4000 tons is not below 4000, below 5000: "D". Class "DDE" is cut to "DD".
// - P-Plant k is K, 31; TL 11 is below 15 and below 13: 31 / 3 = 10.33, rounded 10,
//   "A". Budget 4000 x 0.01 x 10 = 400 EP.
// - computer 5f is 5F: "E", 3 EP each; 2 computers and bonus 1 give model 11 and
//   take 6 EP: 394 left.
// - lasers 3 x 0.5 + 4 + 5 = 10.5, to even 10: factor 5 (more than 9), + 1 above TL
//   12: "6", one battery; 10 EP: 384. Sand casters 8: factor 4, + 2: "6", one battery.
// - energy weapons 2 of the first kind (20 EP) and 1 of the second (20 EP): the
//   second kind's digits, factor 9 above TL 13, battery "1"; 344 left.
// - particle sum 2 x 0.75 + 1 = 2.5: factor 2, + 1: "3", one battery; EP 2 x 5 + 1 x 5
//   = 15: 329. Meson guns: 1 of the second kind, factor 5 (above 13, not above 14),
//   100 EP: 229. Missiles (2 + 12 x 1) x 2.5 = 35: factor 6, + 1: "7", one battery.
// - MES 2 at TL 14: 4000 x 1.2 x 0.01 = 48 EP: 181. NuD: factor 6, 60 EP: 121 left.
//   REP 15: factor 8, 1.5 batteries to even 2. Crew 45: two digits.
// - agility 121 / 40 = 3.025, rounded down 3; 121 / 400 x 100 = 30.25 %.
// - counter values: BEAM 6 + 9 + 4^1.5 + 6^2 = 59, / 10 x sqrt 5 = 13.19, 13 ^ 0.65
//   = 5.30; MISSILE 7 / 10 x sqrt 5 = 1.57, 2 ^ 0.65 = 1.57; screens 6 x 1 + 1 + 8 x 2
//   + 2 + 6 + 3 + 4 = 38, 38 ^ (14 ^ 0.08) = 89.36, / 10 x sqrt 5 = 19.98, rounded 20,
//   sqrt 20 = 4.47. Class 1 (divisor 1).
const char* const kSableHeron =
    "\"Design this ship? (Y, or anything else for the menu)\",Y   \r\n"
    "Class,DDE\r\n"
    "Type,Escort Destroyer\r\n"
    "TL,11\r\n"
    "Name,Sable Heron\r\n"
    "Tons,4000\r\n"
    "Configuration,3\r\n"
    "Armor,4\r\n"
    "J-Drive,3\r\nM-Drive,4\n"
    "P-Plant,k\r\n"
    "Computer,5f\r\n"
    "Computers,2\r\n"
    "Computer bonus,1\r\n"
    "\"Lasers, half counted\",3\r\n"
    "Lasers,4\r\n"
    "Particle A,2\r\n"
    "Lasers B,5\r\n"
    "Missiles,2\r\n"
    "Sand casters,8\r\n"
    "Particle B,1\r\n"
    "Spare 1,7\r\nSpare 2,8\r\nSpare 3,9\r\n"
    "Missile bay A,1\r\n"
    "Particle bay A,0\r\n"
    "Missile bay B,0\r\n"
    "Energy A,2\r\n"
    "Meson A,0\r\n"
    "Missile bay C,0\r\n"
    "Missile bay D,0\r\n"
    "Particle bay B,0\r\n"
    "Missile bay E,0\r\n"
    "Energy B,1\r\n"
    "Meson B,1\r\n"
    "Missile bay F,0\r\n"
    "Spare 4,5\r\nSpare 5,6\r\n"
    "MES,2\r\n"
    "NuD,Y\r\n"
    "REP,15\r\n"
    "Fuel,400\r\n"
    "Cargo,120\r\n"
    "Crew,45\r\n"
    "Passengers,6\r\n"
    "Troops,12\r\n"
    "Low berths,4\r\n"
    "Spare 6,99\r\n"
    "Notes,never read\r\n";

const std::vector<std::string> SABLE_HERON_RESULT = {
    " DD Sable Heron",
    "",
    " Computer 11",
    "",
    " DD-D334AE2-462608-69357",
    "             1   2 11111",
    "",
    " EP : 400  121  30.25 %, Agility : 3",
    "",
    " VALDORIN / BRELLACOSTA Stats",
    "",
    " Class   : 1 = 1.000-9.999 tons (Destroyer)",
    "",
    " BEAM    : 5",
    " MISSILE : 2",
    " SREENS  : 4",
    "",
    kOutputQuestion,
    "",
};

// The name, 12 columns with its blank, is followed by two blanks to the zone at
// column 15; every number by one blank.
const char* const kSableHeronExport =
    " Sable Heron  Escort Destroyer\r\n"
    " DD-D334AE2-462608-69357 0  4000 \r\n"
    "             1   2 11111 45  11 \r\n"
    "  6  4  120  400  400  3  12 \r\n";

class DesignRoadTest : public ::testing::Test {
 protected:
  void write(const std::string& name, const std::string& bytes) { folder_.write(name, bytes); }
  std::string read(const std::string& name) { return folder_.read(name); }
  // Runs the road until the script runs out.
  void run_until_the_script_ends() {
    EXPECT_THROW(run_road(run.program, run.console, ships::kShipList), console::ProgramHalt);
  }

  ScriptedRun run;
  WorkingFolder folder_;
};

TEST_F(DesignRoadTest, MissingShipDatGivesTwoBoxesThenTheMenu) {
  run.host.answer_boxes({true, true});
  run.host.type("1\r");
  run_program(run.console);
  const auto& boxes = run.host.boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, "Unhandled Error #53");
  EXPECT_NE(boxes[0].text.find("\nFile not found\n"), std::string::npos);
  EXPECT_EQ(boxes[1].title, "Unhandled Error #52");
  EXPECT_NE(boxes[1].text.find("\nBad file name or number\n"), std::string::npos);
  for (const auto& box : boxes) EXPECT_EQ(box.screen, std::vector<std::string>(25, ""));  // the cleared page
  EXPECT_EQ(console::page_text_row(run.console.page, 21), " Ship 1");
  EXPECT_EQ(console::page_text_row(run.console.page, 23), kOutputQuestion);
  EXPECT_FALSE(std::filesystem::exists(folder_ / ".txt"));
}

TEST_F(DesignRoadTest, NoInEitherBoxEndsTheProgram) {
  for (const std::vector<bool>& answers : {std::vector<bool>{false}, std::vector<bool>{true, false}}) {
    ScriptedRun fresh;
    for (const bool answer : answers) fresh.host.answer_boxes({answer});
    run_program(fresh.console);
    EXPECT_EQ(fresh.host.boxes().size(), answers.size());
    EXPECT_TRUE(fresh.console.flags.exit_request.load());
  }
}

// The whole file, but its first value is a lower-case y: the menu, without a box and
// without an export.
TEST_F(DesignRoadTest, FirstValueOtherThanYGoesSilentlyToTheMenu) {
  std::string file = kSableHeron;
  file.replace(file.find(",Y   "), 5, ",y");
  write("SHIP.DAT", file);
  run.host.type("1\r");
  run_until_the_script_ends();
  EXPECT_TRUE(run.host.boxes().empty());
  EXPECT_EQ(console::page_text_row(run.console.page, 23), kOutputQuestion);
  EXPECT_NE(run.program.ship_index, 0);
  EXPECT_EQ(run.program.ship_name[0], "");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Sable Heron.txt"));
}

TEST_F(DesignRoadTest, ShipDatDesignsRecord0AndGoesToTheOutputQuestion) {
  write("SHIP.DAT", kSableHeron);
  write("Sable Heron.txt", std::string(300, 'x'));  // replaced by the export
  run_until_the_script_ends();
  EXPECT_TRUE(run.host.boxes().empty());
  EXPECT_EQ(screen_rows(run.console.page, 1, 19), SABLE_HERON_RESULT);
  EXPECT_EQ(run.console.page.cursor_row(), 19);
  EXPECT_EQ(read("Sable Heron.txt"), kSableHeronExport);

  const program::Program& p = run.program;
  EXPECT_EQ(p.ship_index, 0);
  EXPECT_EQ(p.ship_count, 0);
  EXPECT_EQ(p.output_channel, 1);
  EXPECT_EQ(p.menu_count, 0);  // the menu was not shown
  EXPECT_FALSE(run.console.files.is_open(1));
  EXPECT_EQ(p.ship_name[0], "Sable Heron");
  EXPECT_EQ(p.ship_type[0], "Escort Destroyer");
  EXPECT_EQ(p.ship_profile[0], "DD-D334AE2-462608-69357");
  EXPECT_EQ(p.ship_batteries[0], "            1   2 11111");
  EXPECT_EQ(p.ship_aux_value[0], 0);
  const std::vector<float> numbers = {p.ship_tons[0],   p.ship_crew[0],    p.ship_tl[0],     p.ship_passengers[0],
                                      p.ship_l_berths[0], p.ship_cargo[0], p.ship_fuel[0],   p.ship_ep[0],
                                      p.ship_agility[0], p.ship_troops[0], p.ship_code_x[0], p.ship_code_y[0],
                                      p.ship_code_z[0]};
  EXPECT_EQ(numbers, (std::vector<float>{4000, 45, 11, 6, 4, 120, 400, 400, 3, 12, 31, 32, 33}));
  EXPECT_EQ(p.computer_count, 2);
  EXPECT_EQ(p.computer_bonus, 1);
  EXPECT_EQ(p.design_ep_total, 400);
  EXPECT_EQ(p.design_ep_left, 121);
  EXPECT_EQ(p.tl_effective, 14);
  EXPECT_EQ(p.stats_class, 1);
}

// A file that ends after its flag: one box for each of the other 47 pairs, then a
// ship of nothing: no name (the export is ".txt"), 0 tons, no budget, effective TL 3.
// Its profile has no class code and no computer character, so it is four characters
// short; missiles alone have factor 1 and one battery. The agility and the share of
// a budget of 0 are shown as 0.
TEST_F(DesignRoadTest, FileThatEndsAfterItsFlag) {
  write("SHIP.DAT", "Flag,Y\r\n");
  for (int i = 0; i < 47; ++i) run.host.answer_boxes({true});
  run_until_the_script_ends();
  ASSERT_EQ(run.host.boxes().size(), 47u);
  for (const auto& box : run.host.boxes()) EXPECT_EQ(box.title, "Unhandled Error #62");
  const std::vector<std::string> expected = {
      "",
      "",
      " Computer 0",
      "",
      " -00000-000000-00001",
      std::string(23, ' ') + "1",
      "",
      " EP : 0  0  0 %, Agility : 0",
      "",
      " VALDORIN / BRELLACOSTA Stats",
      "",
      " Class   : 0 = 1-999 tons (Scouts)",
      "",
      " BEAM    : 0",
      " MISSILE : 0",
      " SREENS  : 1",
      "",
      kOutputQuestion,
  };
  EXPECT_EQ(screen_rows(run.console.page, 1, 18), expected);
  EXPECT_EQ(read(".txt"), std::string(14, ' ') + "\r\n" +
                              " -00000-000000-00001 0  0 \r\n" +
                              " " + std::string(22, ' ') + "1 0  0 \r\n" +
                              "  0  0  0  0  0  0  0 \r\n");
}

// A restart designs the ship again and writes the same export again.
TEST_F(DesignRoadTest, RestartAtTheOutputQuestionDesignsAgain) {
  write("SHIP.DAT", kSableHeron);
  run.host.type("R");
  run_program(run.console);
  EXPECT_EQ(run.host.keys_left(), 0u);
  EXPECT_EQ(screen_rows(run.console.page, 1, 19), SABLE_HERON_RESULT);
  EXPECT_EQ(read("Sable Heron.txt"), kSableHeronExport);
}

// A scripted host that changes the folder when the program first waits for a key:
// the design at the start has then found the file as it was.
class FolderChangingHost : public console::ScriptedHost {
 public:
  std::function<void()> at_first_wait;
  void wait_for_input(console::InputWait what, console::Wakeup& wakeup,
                      const std::function<bool()>& ready) override {
    if (at_first_wait) std::exchange(at_first_wait, nullptr)();
    ScriptedHost::wait_for_input(what, wakeup, ready);
  }
};

class DesignFromTheMenuTest : public DesignRoadTest {
 protected:
  DesignFromTheMenuTest() { host.attach(console); }
  FolderChangingHost host;
  console::Console console{host};
  program::Program program;
};

// A negative number at a page pause with the file gone: the two boxes, then the menu
// again from its first line; 3 at its first pause chooses the third line.
TEST_F(DesignFromTheMenuTest, DesignWithoutAFileShowsTheMenuAgain) {
  write("SHIP.DAT", "Design,N\r\n");
  host.at_first_wait = [this] { std::filesystem::remove(folder_ / "SHIP.DAT"); };
  host.type("-1\r3\r");
  host.answer_boxes({true, true});
  EXPECT_THROW(run_road(program, console, ships::kShipList), console::ProgramHalt);
  const auto& boxes = host.boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, "Unhandled Error #53");
  EXPECT_EQ(boxes[1].title, "Unhandled Error #52");
  EXPECT_EQ(boxes[0].screen[22], " Ship -1");  // the menu page as the pause left it
  EXPECT_EQ(program.menu_count, 20);
  EXPECT_EQ(program.ship_index, program.menu_ship_index[3]);
  EXPECT_NE(program.ship_index, 0);
  EXPECT_EQ(console::page_text_row(console.page, 23), kOutputQuestion);
}

// A file that designs, written while the menu is shown: the design and then the output
// question for record 0, as at the start.
TEST_F(DesignFromTheMenuTest, DesignOfAFileWrittenWhileTheMenuIsShown) {
  write("SHIP.DAT", "Design,N\r\n");
  host.at_first_wait = [this] { write("SHIP.DAT", kSableHeron); };
  host.type("-1\r");
  EXPECT_THROW(run_road(program, console, ships::kShipList), console::ProgramHalt);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(screen_rows(console.page, 1, 19), SABLE_HERON_RESULT);
  EXPECT_EQ(read("Sable Heron.txt"), kSableHeronExport);
  EXPECT_EQ(program.ship_index, 0);
  EXPECT_EQ(program.ship_profile[0], "DD-D334AE2-462608-69357");
}

}  // namespace
}  // namespace app
