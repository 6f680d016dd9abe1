// The card header on the road: the species tag that it takes off a ship's name for
// good names the document that D writes after the screen card.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/run_program.h"
#include "app/scenario_test_support.h"
#include "ships/ship_loader.h"

namespace app {
namespace {

// One tagged ship: its type begins with "Qor", so the list gives it the tag QOR-.
const std::string kOneTaggedShip =
    "\"Emberwake\",\"Qor Raider\",\"RD-1111111-000000-00000-0\",0,400,\"                   \","
    "10,12,0,0,20,40,0,2,0,0,0,0,"
    "\"XXX\",";

class CardRoadTest : public ::testing::Test {
 protected:
  // Yes to the boxes of a missing ship design file, should they come.
  CardRoadTest() { run.host.answer_boxes({true, true}); }
  ScriptedRun run;
  WorkingFolder folder_;
};

TEST_F(CardRoadTest, DocumentAfterTheScreenCardIsNamedWithoutTheTag) {
  run.host.type("1\rSD");
  try {
    run_road(run.program, run.console, kOneTaggedShip);
  } catch (const RestartRequest&) {
  } catch (const console::ProgramHalt&) {
  }
  // Between the screen card and the key D the header had taken the tag off.
  EXPECT_TRUE(std::filesystem::exists(folder_ / "Emberwake.DOC"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "QOR-Emberwake.DOC"));
}

TEST_F(CardRoadTest, DocumentAtTheQuestionKeepsTheTag) {
  run.host.type("1\rD");
  try {
    run_road(run.program, run.console, kOneTaggedShip);
  } catch (const RestartRequest&) {
  } catch (const console::ProgramHalt&) {
  }
  EXPECT_TRUE(std::filesystem::exists(folder_ / "QOR-Emberwake.DOC"));
  EXPECT_EQ(run.program.ship_name[1], "Emberwake");
}

}  // namespace
}  // namespace app
