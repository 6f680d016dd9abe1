// The one-key commands on the road, at the output question and after a screen card.
#include <gtest/gtest.h>

#include <string>

#include "app/scenario_test_support.h"

namespace app {
namespace {

constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

const std::string kOneShip =
    "\"Harrow Lance\",\"Corvette\",\"SC-2111111-000000-00000-1\",100,400,\"                   \","
    "10,12,0,0,20,40,0,2,0,0,0,0,"
    "\"XXX\",";

enum class Ends { Restart, EndPrompt, Waiting };

class KeyCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_.write("SHIP.DAT", kNoDesignFile); }
  // Runs the road on the one ship with the keys given and tells how it stopped.
  Ends run_with(const std::string& keys) { return run_with(run, keys); }
  static Ends run_with(ScriptedRun& on, const std::string& keys) {
    on.host.type(keys);
    try {
      run_road(on.program, on.console, kOneShip);
    } catch (const RestartRequest&) {
      return Ends::Restart;
    } catch (const console::ProgramHalt&) {
    }
    return on.console.flags.exit_request.load() ? Ends::EndPrompt : Ends::Waiting;
  }
  ScriptedRun run;
  WorkingFolder folder_;
};

// The blank at the question is not a command: the screen device is opened and the
// card replaces the question; after the card the road waits for the next key.
TEST_F(KeyCommandsTest, BlankAtTheQuestionGivesTheScreenCard) {
  EXPECT_EQ(run_with("1\r "), Ends::Waiting);
  EXPECT_EQ(run.program.output_channel, 2);
  EXPECT_EQ(run.program.key_answer, " ");
  const console::OpenFile* screen = run.console.files.find(2);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->kind, console::FileKind::Screen);
  for (int r = 1; r <= 25; ++r) EXPECT_NE(console::page_text_row(run.console.page, r), kOutputQuestion) << r;
  EXPECT_TRUE(run.host.boxes().empty());
}

// After a screen card: r, R and the blank restart, q and Q end at the end prompt; the
// key is kept upper-cased.
TEST_F(KeyCommandsTest, KeysAfterAScreenCard) {
  const struct {
    const char* key;
    Ends ends;
    const char* answer;
  } cases[] = {
      {"r", Ends::Restart, "R"}, {"R", Ends::Restart, "R"}, {" ", Ends::Restart, " "},
      {"q", Ends::EndPrompt, "Q"}, {"Q", Ends::EndPrompt, "Q"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.key);
    ScriptedRun fresh;
    EXPECT_EQ(run_with(fresh, std::string("1\rS") + k.key + "z"), k.ends);
    EXPECT_EQ(fresh.program.key_answer, k.answer);
    EXPECT_EQ(fresh.program.output_channel, 2);
    EXPECT_TRUE(fresh.host.boxes().empty());
    if (k.ends == Ends::EndPrompt) {
      EXPECT_EQ(console::page_text_row(fresh.console.page, 25), "Press any key to continue");
      EXPECT_EQ(fresh.host.keys_left(), 0u);
    } else {
      EXPECT_EQ(fresh.host.keys_left(), 1u);  // the z stays queued for the next run
    }
  }
}

}  // namespace
}  // namespace app
