#include "stats/compute_stats.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "console/scripted_host.h"
#include "program/ship_record_test_support.h"

namespace stats {
namespace {

// The characters of a profile that the counter values read; every other position is
// a plain filler.
struct StatsShip {
  char hull = '0';
  char computer = '1';
  char armor = '0', sac = '0', mes = '0', nud = '0', blg = '0', rep = '0';
  char laser = '0', energy = '0', particle = '0', meson = '0', missile = '0';
  std::vector<std::pair<int, char>> batteries = {};  // column and character
  float tons = 3000;
  float agility = 0;
};

std::string profile_of(const StatsShip& s) {
  std::string profile = "BB-";
  profile += {s.hull, '1', '2', '2', '2', s.computer, '1', '-'};
  profile += {s.armor, s.sac, s.mes, s.nud, s.blg, s.rep, '-'};
  profile += {s.laser, s.energy, s.particle, s.meson, s.missile};
  return profile;
}

std::string batteries_of(const StatsShip& s) {
  std::string line(23, ' ');
  for (const auto& [column, character] : s.batteries) line[column - 1] = character;
  return line;
}

// The record of the ship: its profile, battery line, tons and agility.
program::ShipRecord record_of(const StatsShip& s) {
  return {.profile = profile_of(s), .tons = s.tons, .batteries = batteries_of(s), .agility = s.agility};
}

// A program with 1001 records, the ship in record 12, and `ship_index` set to it.
program::Program program_with(const StatsShip& s) {
  program::Program p = program::program_with_ship_arrays();
  program::put_ship(p, 12, record_of(s));
  p.ship_index = 12;
  return p;
}

struct Stats {
  float stats_class, beam, missile, screens;
};

// A console whose error boxes are all answered Yes.
struct StatsConsole {
  StatsConsole() {
    host.attach(c);
    for (int i = 0; i < 8; ++i) host.answer_boxes({true});
  }
  console::ScriptedHost host;
  console::Console c{host};
};

// The counter values of the ship; every error box shown is counted against the
// expected error number (0: no box at all).
Stats stats_of(const StatsShip& s, int expected_error = 0) {
  program::Program p = program_with(s);
  StatsConsole run;
  compute_stats(p, run.c);
  if (expected_error == 0) {
    EXPECT_TRUE(run.host.boxes().empty());
  } else {
    EXPECT_FALSE(run.host.boxes().empty());
    for (const auto& box : run.host.boxes()) {
      EXPECT_EQ(box.title, "Unhandled Error #" + std::to_string(expected_error));
    }
  }
  return {p.stats_class, p.stats_beam, p.stats_missile, p.stats_screens};
}

// Expected values: where a value is given to 8 significant digits below, that decimal
// names exactly one float, so the float nearest it is compared exactly. The other
// decimals are the exact powers to 17 digits (worked out with an arbitrary-precision
// calculator); the final power runs in extended precision and is stored once as a
// float, so the result is the float nearest the exact power.

TEST(ComputeStats, WorkedExample) {
  StatsShip s;
  s.hull = 'C';
  s.computer = '4';
  s.armor = '5';
  s.sac = '3';
  s.laser = '6';
  s.energy = '2';
  s.missile = '2';
  s.batteries = {{13, '2'}, {19, '2'}, {20, '1'}, {23, '3'}};
  s.tons = 3000;
  s.agility = 2;
  ASSERT_EQ(profile_of(s), "BB-C122241-530000-62002");

  program::Program p = program_with(s);
  StatsConsole run;
  compute_stats(p, run.c);
  EXPECT_TRUE(run.host.boxes().empty());
  EXPECT_EQ(p.current_tons, 3000.0f);
  EXPECT_EQ(p.stats_class, 1.0f);
  EXPECT_EQ(p.stats_beam, 2.0423436f);  // 3 ^ 0.65
  EXPECT_EQ(p.stats_missile, 1.0f);
  EXPECT_EQ(p.stats_screens, 2.0f);
  EXPECT_EQ(p.computer_model, 4.0f);
  EXPECT_EQ(p.hull_size_value, 12.0f);
  EXPECT_EQ(p.sac_batt, 1.0f);  // the battery "2" counts as one
  EXPECT_EQ(std::string(stats_class_row(p.current_tons).text),
            " = 1.000-9.999 tons (Destroyer)");
}

TEST(ComputeStats, ClassByTons) {
  // Nine Laser batteries of rating 30 give a BEAM sum of 270, scaled to 27.
  static const struct {
    float tons;
    float stats_class;
    float divisor;
    float beam;
    const char* text;
  } cases[] = {
      {999, 0, 0.1f, 38.052784944931997f, " = 1-999 tons (Scouts)"},  // 270 ^ 0.65
      {1000, 1, 1, 8.5189574037614332f, " = 1.000-9.999 tons (Destroyer)"},  // 27 ^ 0.65
      {9999, 1, 1, 8.5189574037614332f, " = 1.000-9.999 tons (Destroyer)"},
      {10000, 2, 10, 2.0423436f, " = 10.000-99.999 tons (Cruiser)"},  // 2.7 rounds to 3
      {99999, 2, 10, 2.0423436f, " = 10.000-99.999 tons (Cruiser)"},
      {100000, 3, 100, 0, " = 100K tons+ (Battleships)"},  // 0.27 rounds to 0
      {250000, 3, 100, 0, " = 100K tons+ (Battleships)"},
  };
  for (const auto& c : cases) {
    StatsShip s;
    s.laser = 'W';
    s.batteries = {{19, '9'}};
    s.tons = c.tons;
    const Stats stats = stats_of(s);
    EXPECT_EQ(stats.stats_class, c.stats_class) << c.tons;
    EXPECT_EQ(stats.beam, c.beam) << c.tons;
    EXPECT_EQ(std::string(stats_class_row(c.tons).text), c.text) << c.tons;
    EXPECT_EQ(stats_class_row(c.tons).divisor, c.divisor) << c.tons;
  }
}

TEST(ComputeStats, RoundingHalfToEven) {
  static const struct {
    char laser_batteries;
    float tons;
    float beam;
  } cases[] = {
      {'1', 3000, 0},           // 0.5 rounds to 0
      {'1', 999, 2.8466265f},   // 0.5 / 0.1 gives 5: 5 ^ 0.65
      {'5', 3000, 1.5691682f},  // sum 25: 2.5 rounds to 2
      {'3', 3000, 1.5691682f},  // sum 15: 1.5 rounds to 2
  };
  for (const auto& c : cases) {
    StatsShip s;
    s.laser = '5';
    s.batteries = {{19, c.laser_batteries}};
    s.tons = c.tons;
    EXPECT_EQ(stats_of(s).beam, c.beam) << c.laser_batteries << " at " << c.tons;
  }
}

TEST(ComputeStats, EachWeaponEntersBeamOrMissile) {
  // Class 0, model 1: the rounded value is the sum itself.
  static const struct {
    StatsShip ship;
    float beam, missile;
  } cases[] = {
      // Particle rating 10 adds 11 ^ 1.5 = 36.482873, rounded 36: 36 ^ 0.65.
      {{.particle = 'A', .batteries = {{21, '1'}}, .tons = 500}, 10.270619156458231f, 0},
      // Rating 9 adds 10 ^ 1.5 = 31.622777, rounded 32: 32 ^ 0.65.
      {{.particle = '9', .batteries = {{21, '1'}}, .tons = 500}, 9.5136569200217685f, 0},
      // Meson gun rating 2 adds 3 ^ 2 = 9: 9 ^ 0.65.
      {{.meson = '2', .batteries = {{22, '1'}}, .tons = 500}, 4.1711675109477280f, 0},
      // Laser 3 x 2 + Energy weapon 7 x 2 = 20: 20 ^ 0.65.
      {{.laser = '3', .energy = '7', .batteries = {{19, '2'}, {20, '2'}}, .tons = 500},
       7.0092168638608705f, 0},
      // Missiles rating 4 in 3 batteries: 12 ^ 0.65.
      {{.missile = '4', .batteries = {{23, '3'}}, .tons = 500}, 0, 5.0288399052001700f},
      // Ratings without batteries count nothing.
      {{.laser = '9', .energy = '9', .particle = '9', .meson = '9', .missile = '9', .tons = 500},
       0, 0},
  };
  for (const auto& c : cases) {
    const Stats stats = stats_of(c.ship);
    EXPECT_EQ(stats.beam, c.beam) << profile_of(c.ship) << " [" << batteries_of(c.ship) << "]";
    EXPECT_EQ(stats.missile, c.missile) << profile_of(c.ship);
  }
}

TEST(ComputeStats, ScreensFromDefencesArmorAndAgility) {
  // Hull size 0: the hull exponent is 1, so at class 0 the screens value is the square
  // root of the defence sum, bounded to 1..9.
  static const struct {
    StatsShip ship;
    float screens;
  } cases[] = {
      {{.sac = '4', .batteries = {{13, '2'}}, .tons = 500}, 2.2360679774997897f},  // 4x1+1
      {{.sac = '4', .batteries = {{13, '1'}}, .tons = 500}, 2.2360679774997897f},
      {{.sac = '4', .tons = 500}, 2.2360679774997897f},                      // blank: 1
      {{.sac = '4', .batteries = {{13, '3'}}, .tons = 500}, 3.6055512754639893f},  // 4x3+1
      {{.rep = '4', .batteries = {{17, '2'}}, .tons = 500}, 3},                     // 4x2+1
      {{.rep = '4', .tons = 500}, 1},  // no REP batteries
      {{.armor = '5', .tons = 500, .agility = 3}, 3},                      // 5+1+3
      {{.mes = '4', .nud = '4', .tons = 500}, 3},                          // 4+4+1
      {{.blg = 'W', .tons = 500}, 1},  // BlG enters no counter value
      // 23 + 23 + 1 + 6 + 30 = 83: square root above 9.
      {{.armor = 'W', .mes = 'P', .nud = 'P', .tons = 500, .agility = 6}, 9},
      // A defence sum of 1 at class 1: 0.1 rounds to 0, screens 1.
      {{.tons = 3000}, 1},
      // Armor 30, agility 6, the sum 37 at class 1: 3.7 rounds to 4.
      {{.armor = 'W', .tons = 3000, .agility = 6}, 2},
  };
  for (const auto& c : cases) {
    const Stats stats = stats_of(c.ship);
    EXPECT_EQ(stats.screens, c.screens) << profile_of(c.ship) << " [" << batteries_of(c.ship)
                                        << "]";
    EXPECT_EQ(stats.beam, 0.0f);
    EXPECT_EQ(stats.missile, 0.0f);
  }
}

TEST(ComputeStats, ComputerModelScalesByItsSquareRoot) {
  // Laser 5 in two batteries at class 1: 10 / 10 times the square root of the model.
  static const struct {
    char computer;
    float model;
    float beam;
  } cases[] = {
      {'0', 1, 1},            // not in the table: model 1
      {'1', 1, 1},
      {'4', 4, 1.5691682f},   // 2 ^ 0.65
      {'9', 9, 2.0423436f},   // 3 ^ 0.65
      {'J', 9, 2.0423436f},   // 9 fib
      {'D', 4, 1.5691682f},   // 4 fib
      {'A', 1, 1},
      {'R', 1, 1},
      {'S', 2, 1},            // 1.4142136 rounds to 1
      {'K', 1, 1},            // not in the table
      {'j', 1, 1},            // compared case-sensitively
      {'-', 1, 1},
  };
  for (const auto& c : cases) {
    StatsShip s;
    s.computer = c.computer;
    s.laser = '5';
    s.batteries = {{19, '2'}};
    program::Program p = program_with(s);
    StatsConsole run;
    compute_stats(p, run.c);
    EXPECT_EQ(p.computer_model, c.model) << c.computer;
    EXPECT_EQ(p.stats_beam, c.beam) << c.computer;
  }
}

TEST(ComputeStats, ComputerCountBecomesOneWhenZero) {
  program::Program p = program_with(StatsShip{});
  StatsConsole run;
  EXPECT_EQ(p.computer_count, 0.0f);
  compute_stats(p, run.c);
  EXPECT_EQ(p.computer_count, 1.0f);
  p.computer_count = 3;  // from a designed ship: kept, and not part of the model
  compute_stats(p, run.c);
  EXPECT_EQ(p.computer_count, 3.0f);
  EXPECT_EQ(p.computer_model, 1.0f);
}

TEST(ComputeStats, OverflowCountsZeroAndTheRoutineGoesOn) {
  // BEAM sum 30 x 30 + 31 ^ 1.5 x 30 + 31 ^ 2 x 30 = 34908.02, times 3 / 10 at class 0:
  // 104724, beyond 16 bits. MISSILE 30 x 30 = 900 gives 2700; screens 1 gives 3.
  StatsShip s;
  s.computer = 'J';
  s.laser = s.particle = s.meson = s.missile = 'W';
  s.batteries = {{19, 'W'}, {21, 'W'}, {22, 'W'}, {23, 'W'}};
  s.tons = 100;
  const Stats stats = stats_of(s, 6);
  EXPECT_EQ(stats.beam, 0.0f);
  EXPECT_EQ(stats.missile, 169.97554670550313f);  // 2700 ^ 0.65
  EXPECT_EQ(stats.screens, 1.7320508075688772f);  // 3 ^ 0.5
}

// Each rounding is a step of its own: BEAM and MISSILE both beyond 16 bits give two
// boxes, one after each rounding, and both values count 0. BEAM is 104724 at class 0
// as in the test above. The missile rating is the ship's own X value, 400: 400 x 30
// batteries / 10 x 3 (model 9) / 0.1 = 36000.
TEST(ComputeStats, TwoOverflowsGiveTwoBoxes) {
  StatsShip s;
  s.computer = 'J';
  s.laser = s.particle = s.meson = 'W';
  s.missile = 'X';
  s.batteries = {{19, 'W'}, {21, 'W'}, {22, 'W'}, {23, 'W'}};
  s.tons = 100;
  program::Program p = program_with(s);
  p.ship_code_x.assign(1001, 400.0f);
  StatsConsole run;
  compute_stats(p, run.c);
  ASSERT_EQ(run.host.boxes().size(), 2u);
  EXPECT_EQ(run.host.boxes()[0].title, "Unhandled Error #6");
  EXPECT_EQ(run.host.boxes()[1].title, "Unhandled Error #6");
  EXPECT_NE(run.host.boxes()[0].text, run.host.boxes()[1].text);  // two places
  EXPECT_EQ(p.stats_beam, 0.0f);
  EXPECT_EQ(p.stats_missile, 0.0f);
  EXPECT_EQ(p.stats_screens, 1.7320508075688772f);  // 3 ^ 0.5
}

TEST(ComputeStats, EveryCallStartsAfresh) {
  StatsShip big;
  big.laser = 'W';
  big.batteries = {{19, '9'}};
  program::Program p = program_with(big);
  program::put_ship(p, 13, {.profile = profile_of(StatsShip{}), .tons = 3000, .batteries = ""});  // no battery line
  StatsConsole run;
  compute_stats(p, run.c);
  EXPECT_EQ(p.stats_beam, 8.5189574037614332f);
  p.ship_index = 13;
  compute_stats(p, run.c);
  EXPECT_EQ(p.stats_beam, 0.0f);
  EXPECT_EQ(p.stats_missile, 0.0f);
  EXPECT_EQ(p.stats_screens, 1.0f);
  EXPECT_EQ(p.current_tons, 3000.0f);
}

}  // namespace
}  // namespace stats
