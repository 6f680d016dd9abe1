// The counter-value block of the document: it ends the open movement line, and the
// class line shows the class of the ship's tonnage with its text.
#include "card/counter_block.h"

#include <gtest/gtest.h>

#include <string>

#include "card/closing_sections_test_support.h"

namespace card {
namespace {


// The ship of the worked example of the counter values: 3000 tons, agility 2, hull C,
// computer 4, armor 5, SaC 3, Laser 6, Energy weapon 2, Missiles 2; batteries "2" at
// SaC, "2" Laser, "1" Energy weapon, "3" Missiles. BEAM 2.04, MISSILE 1, screens 2.
ClosingShip worked_example(float tons) {
  ClosingShip s;
  s.profile = "BB-C112241-530000-62002";
  s.batteries = "            2     21  3";
  s.tons = tons;
  s.agility = 2;
  return s;
}

TEST(CounterBlock, WorkedExample) {
  ClosingBench run(worked_example(3000));
  run.in_document();
  print_stats_block(run.p, run.c);
  EXPECT_TRUE(run.host.boxes().empty());
  EXPECT_EQ(run.document(),
            "\r\n\r\n\r\n VALDORIN / BRELLACOSTA Stats\r\n\r\n"
            " Class   : 1 = 1.000-9.999 tons (Destroyer)\r\n\r\n"
            " BEAM    : 2\r\n MISSILE : 1\r\n SREENS  : 2\r\n");
}

TEST(CounterBlock, ClassLineByTonnage) {
  struct Case {
    float tons;
    const char* line;
  };
  static const Case cases[] = {
      {999, " Class   : 0 = 1-999 tons (Scouts)\r\n"},
      {1000, " Class   : 1 = 1.000-9.999 tons (Destroyer)\r\n"},
      {10000, " Class   : 2 = 10.000-99.999 tons (Cruiser)\r\n"},
      {100000, " Class   : 3 = 100K tons+ (Battleships)\r\n"},
  };
  const std::string before = "\r\n\r\n\r\n VALDORIN / BRELLACOSTA Stats\r\n\r\n";
  for (const Case& k : cases) {
    SCOPED_TRACE(k.tons);
    ClosingBench run(worked_example(k.tons));
    run.in_document();
    print_stats_block(run.p, run.c);
    const std::string bytes = run.document();
    EXPECT_EQ(bytes.substr(before.size(), std::string(k.line).size()), k.line);
  }
}

}  // namespace
}  // namespace card
