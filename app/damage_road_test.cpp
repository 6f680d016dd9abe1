// The damage section on the road: T at the output question, before any output is
// open, and T after a screen card.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/run_program.h"
#include "app/scenario_support.h"

namespace app {
namespace {

constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

// The damage box's header lines and its bottom line, which no ship changes.
const char* const BOX_HEADER[] = {
    "┌────┬─────────────────┬──────────────────────────┬─────────────────┬──────────┐",
    "│  2 │ SURFACE  DAMAGE │     RADIATION DAMAGE     │ INT. EXPLOSIONS │ CRITICAL │",
    "│  D ├────────┬────────┼────────┬────────┬────────┼────────┬────────┤          │",
    "│  6 │Factor<A│Nukes/SM│ Armor  │Meson<10│Meson SM│Meson<10│MesSM/IE│   HITS   │",
    "├────┼════════╪════════╪════════╪════════╪════════╪════════╪════════╪══════════┤",
};
constexpr const char* kBoxBottom =
    "└────┴────────┴────────┴────────┴────────┴────────┴────────┴────────┴──────────┘";

// Runs in a fresh folder whose SHIP.DAT asks for no design, so the menu follows the
// load without any error box.
class DamageRoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.write("SHIP.DAT", NO_DESIGN_FILE);
  }
  ScriptedRun run;
  WorkingFolder folder_;
};

// No output is open at the question: the box's line end fails before the clear, every
// other write after it; 106 writes of the box and 6 of the title block. After them
// the wait goes on without the question, S gives the screen card, and T after it
// draws the damage box on the screen.
TEST_F(DamageRoadTest, TAtTheOutputQuestionReportsEveryWriteThenSGivesTheScreenCard) {
  constexpr std::size_t kFailingWrites = 112;
  for (std::size_t i = 0; i < kFailingWrites; ++i) run.host.answer_boxes({true});
  run.host.type("1\rTST");
  run_program(run.console);
  EXPECT_EQ(run.host.keys_left(), 0u);
  ASSERT_EQ(run.host.boxes().size(), kFailingWrites);
  for (const auto& box : run.host.boxes()) {
    EXPECT_EQ(box.title, "Unhandled Error #52");
    EXPECT_NE(box.text.find("\nBad file name or number\n"), std::string::npos);
  }
  EXPECT_EQ(run.host.boxes().front().screen[22], kOutputQuestion);
  for (const std::string& row : run.host.boxes()[1].screen) EXPECT_EQ(row, "");
  const console::OpenFile* screen = run.console.files.find(2);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->kind, console::FileKind::Screen);
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(screen_row(run.console.page, r), BOX_HEADER[r - 1]) << r;
  EXPECT_EQ(screen_row(run.console.page, 17), kBoxBottom);
  EXPECT_EQ(screen_row(run.console.page, 18), "");
  EXPECT_EQ(run.console.page.cursor_row(), 24);
  EXPECT_EQ(run.console.page.cursor_column(), 1);
}

}  // namespace
}  // namespace app
