// The threads of the real program without its window: a window side that types keys,
// answers boxes and begins the exit, and a program side that polls keys, checks its
// steps and asks boxes through the window host. Run under ThreadSanitizer as well.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "console/console.h"
#include "console/keyboard.h"
#include "console/runtime_error.h"
#include "window/exit_handshake.h"
#include "window/freeglut_host.h"

namespace window {
namespace {

using console::KeyEvent;
using console::SpecialKey;

struct Rig {
  Rig() { host.attach(&console.flags); }
  FreeglutHost host;
  console::Console console{host};
};

// The window side's wait for a condition, in the window's own naps.
template <typename Condition>
bool within_seconds(int seconds, Condition condition) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

TEST(Threads, KeysBoxesAndTheExitCrossBetweenTheThreads) {
  Rig rig;
  std::vector<std::string> polled;
  int boxes_passed = 0;
  std::thread program([&] {
    try {
      for (int place = 1;; ++place) {
        const std::string key = console::poll_key(rig.console);
        if (!key.empty()) polled.push_back(key);
        if (key == "e") console::raise_runtime_error(rig.console.errors, 53);
        console::statement_event_check(rig.console, place);
        if (key == "e") ++boxes_passed;  // only after the box was answered Yes
        rig.console.host.nap(1);
      }
    } catch (const console::ProgramHalt&) {
    }
  });

  const std::string typed = "abcdefghijklmnopqrstuvwxyzeABCe";
  for (char c : typed) {
    ASSERT_TRUE(within_seconds(20, [&] { return rig.console.keys.empty(); }));
    console::key_down_handler(KeyEvent{static_cast<std::uint8_t>(c), SpecialKey::None},
                              rig.console.keys, rig.console.flags);
    if (c == 'e') {
      std::optional<BoxRequest> box;
      ASSERT_TRUE(within_seconds(20, [&] { return (box = rig.host.shown_box()).has_value(); }));
      EXPECT_EQ(box->title, "Unhandled Error #53");
      rig.host.answer_box(box->id, true);
    }
  }
  ASSERT_TRUE(within_seconds(20, [&] { return rig.console.keys.empty(); }));
  console::key_down_handler(KeyEvent{0, SpecialKey::F4, false, false, true}, rig.console.keys,
                            rig.console.flags);  // Alt+F4
  ASSERT_TRUE(rig.console.flags.exit_request.load());
  exit_handshake(rig.console);
  program.join();

  EXPECT_TRUE(rig.console.flags.program_stopped.load());
  std::string seen;
  for (const auto& k : polled) seen += k;
  EXPECT_EQ(seen, typed);
  EXPECT_EQ(boxes_passed, 3);
}

TEST(Threads, AnExitBegunWhileABoxWaitsAnswersItNo) {
  Rig rig;
  std::thread program([&] {
    try {
      console::raise_runtime_error(rig.console.errors, 52);
      console::statement_event_check(rig.console, 4);
      ADD_FAILURE() << "the box was answered Yes";
    } catch (const console::ProgramHalt&) {
    }
  });
  ASSERT_TRUE(within_seconds(20, [&] { return rig.host.shown_box().has_value(); }));
  rig.console.flags.exit_request.store(true);  // the close button, say
  exit_handshake(rig.console);
  program.join();
  EXPECT_TRUE(rig.console.flags.program_stopped.load());
  EXPECT_EQ(rig.console.errors.pending, 52);
}

TEST(Threads, AnExitBegunWhileTheProgramWaitsForAKeyStopsIt) {
  Rig rig;
  std::thread program([&] {
    try {
      for (;;) {
        if (!console::poll_key(rig.console).empty()) ADD_FAILURE() << "no key was typed";
        console::statement_event_check(rig.console, 9);
        rig.console.host.nap(10);
      }
    } catch (const console::ProgramHalt&) {
    }
  });
  console::key_down_handler(KeyEvent{0, SpecialKey::Break, false, true, false}, rig.console.keys,
                            rig.console.flags);  // Ctrl+Break
  ASSERT_TRUE(rig.console.flags.exit_request.load());
  exit_handshake(rig.console);
  program.join();
  EXPECT_TRUE(rig.console.flags.program_stopped.load());
}

TEST(Threads, ThePauseHoldsTheProgramUntilTheNextKey) {
  Rig rig;
  std::atomic<int> steps{0};
  std::thread program([&] {
    try {
      for (;;) {
        console::statement_event_check(rig.console, 1);
        steps.fetch_add(1);
        rig.console.host.nap(1);
      }
    } catch (const console::ProgramHalt&) {
    }
  });
  ASSERT_TRUE(within_seconds(20, [&] { return steps.load() > 0; }));
  console::key_down_handler(KeyEvent{0, SpecialKey::Pause}, rig.console.keys, rig.console.flags);
  ASSERT_TRUE(rig.console.flags.pause.load());
  console::key_down_handler(KeyEvent{'z', SpecialKey::None}, rig.console.keys, rig.console.flags);
  EXPECT_FALSE(rig.console.flags.pause.load());
  EXPECT_TRUE(rig.console.keys.empty());  // the key that ends the pause is not queued
  const int before = steps.load();
  ASSERT_TRUE(within_seconds(20, [&] { return steps.load() > before; }));
  rig.console.flags.exit_request.store(true);
  exit_handshake(rig.console);
  program.join();
}

}  // namespace
}  // namespace window
