// The threads of the real program without its window: a window side that types keys,
// answers boxes, takes the page's changes and begins the exit, and a program side
// that sleeps in the console's own waits (the key command wait, the number prompt, the
// end prompt, the pause, the error box) until the window side wakes it. Run under
// ThreadSanitizer as well.
#include <gtest/gtest.h>
#include <poll.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "console/console.h"
#include "console/key_down.h"
#include "console/keyboard.h"
#include "console/number_input.h"
#include "console/runtime_error.h"
#include "console/screen.h"
#include "window/event_bell.h"
#include "window/exit_handshake.h"
#include "window/frame.h"
#include "window/window_host.h"

namespace window {
namespace {

using console::KeyEvent;
using console::SpecialKey;
using namespace std::chrono_literals;

// A display bell that counts its rings; the window side sleeps on it.
class CountingBell : public console::DisplayBell {
 public:
  void ring() override {
    rings.fetch_add(1);
    wakeup.notify();
  }
  std::atomic<int> rings{0};
  console::Wakeup wakeup;
};

struct Rig {
  Rig() {
    host.attach(console);
    console.attach_display(bell);
  }
  void press(const KeyEvent& e) { console::key_down_handler(e, console.keys, console.flags); }
  void type(char c) { press(KeyEvent{static_cast<std::uint8_t>(c), SpecialKey::None}); }

  WindowHost host;
  CountingBell bell;
  console::Console console{host};
};

// The window side's wait for a condition it cannot be woken for (only the test needs
// it): a check every millisecond, for at most 20 s.
template <typename Condition>
bool eventually(Condition condition) {
  const auto end = std::chrono::steady_clock::now() + 20s;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

// The key command wait of the road.
std::string next_key(console::Console& c) { return console::next_key(c, console::InputWait::KeyCommand); }

template <typename Body>
std::thread program_thread(Body body) {
  return std::thread([body] {
    try {
      body();
    } catch (const console::ProgramHalt&) {
    }
  });
}

TEST(Threads, KeysAndBoxesWakeTheSleepingProgramInTheOrderTyped) {
  Rig rig;
  std::vector<std::string> read;
  std::atomic<int> boxes_passed{0};
  std::thread program = program_thread([&] {
    for (int place = 1;; ++place) {
      const std::string key = next_key(rig.console);
      read.push_back(key);
      if (key == "e") console::raise_runtime_error(rig.console.errors, 53);
      console::statement_event_check(rig.console, place);
      if (key == "e") boxes_passed.fetch_add(1);  // only after the box was answered Yes
    }
  });

  // Typed in bursts of up to 15 (the queue's size), so the program finds several keys
  // at a wake and sleeps again between bursts.
  const std::string typed = "abcdefghijklmnopqrstuvwxyzeABCe0123456789";
  for (std::size_t at = 0; at < typed.size(); ++at) {
    if (at % 15 == 0) {
      ASSERT_TRUE(eventually([&] { return rig.console.keys.empty(); }));
    }
    rig.type(typed[at]);
    if (typed[at] == 'e') {
      std::optional<BoxRequest> box;
      ASSERT_TRUE(eventually([&] { return (box = rig.host.shown_box()).has_value(); }));
      EXPECT_EQ(box->title, "Unhandled Error #53");
      rig.host.answer_box(box->id, true);
    }
  }
  ASSERT_TRUE(eventually([&] { return rig.console.keys.empty(); }));
  rig.press(KeyEvent{0, SpecialKey::F4, false, false, true});  // Alt+F4
  ASSERT_TRUE(rig.console.flags.exit_request.load());
  EXPECT_TRUE(exit_handshake(rig.console, 20s));
  program.join();

  std::string seen;
  for (const auto& k : read) seen += k;
  EXPECT_EQ(seen, typed);
  EXPECT_EQ(boxes_passed.load(), 3);
}

TEST(Threads, TheNumberPromptSleepsBetweenKeystrokes) {
  Rig rig;
  std::promise<float> typed_number;
  std::thread program = program_thread([&] {
    typed_number.set_value(console::input_keyboard(rig.console, " Ship ", false));
    next_key(rig.console);  // sleeps until the stop
  });
  for (char c : std::string("1x25\r")) {
    ASSERT_TRUE(eventually([&] { return rig.console.keys.empty(); }));
    rig.type(c);
  }
  EXPECT_EQ(typed_number.get_future().get(), 125.0f);
  rig.console.flags.exit_request.store(true);
  EXPECT_TRUE(exit_handshake(rig.console, 20s));
  program.join();
}

TEST(Threads, AnExitBegunWhileABoxWaitsAnswersItNo) {
  Rig rig;
  std::thread program = program_thread([&] {
    console::raise_runtime_error(rig.console.errors, 52);
    console::statement_event_check(rig.console, 4);
    ADD_FAILURE() << "the box was answered Yes";
  });
  ASSERT_TRUE(eventually([&] { return rig.host.shown_box().has_value(); }));
  rig.console.flags.exit_request.store(true);  // the close button, say
  EXPECT_TRUE(exit_handshake(rig.console, 20s));
  program.join();
  EXPECT_TRUE(rig.console.flags.program_stopped.load());
  EXPECT_EQ(rig.console.errors.pending, 52);
}

// The exit begun at each of the program's waits stops it there: the stop flag wakes
// the sleeping wait, which halts.
TEST(Threads, AnExitBegunAtEveryWaitStopsTheProgram) {
  struct Case {
    const char* wait;
    std::function<void(Rig&)> body;
  } cases[] = {
      {"key command", [](Rig& r) { next_key(r.console); }},
      {"number prompt", [](Rig& r) { console::input_keyboard(r.console, " Ship ", true); }},
      {"end prompt", [](Rig& r) { console::end_program(r.console); }},
      {"pause", [](Rig& r) {
         r.console.flags.pause.store(true);
         console::statement_event_check(r.console, 1);
       }},
  };
  for (const auto& c : cases) {
    Rig rig;
    std::atomic<bool> started{false};
    std::thread program = program_thread([&] {
      started.store(true);
      c.body(rig);
      ADD_FAILURE() << c.wait << ": the wait ended without a key";
    });
    ASSERT_TRUE(eventually([&] { return started.load(); }));
    rig.press(KeyEvent{0, SpecialKey::Break, false, true, false});  // Ctrl+Break
    ASSERT_TRUE(rig.console.flags.exit_request.load()) << c.wait;
    EXPECT_TRUE(exit_handshake(rig.console, 20s)) << c.wait;
    program.join();
    EXPECT_TRUE(rig.console.keys.empty()) << c.wait;
  }
}

TEST(Threads, TheEndPromptsKeyAsksForTheExitAndRingsTheDisplay) {
  Rig rig;
  std::thread program = program_thread([&] { console::end_program(rig.console); });
  ASSERT_TRUE(eventually([&] {
    return console::page_text_row(rig.console.page, 25) == "Press any key to continue";
  }));
  // Keys typed before the prompt's wait are thrown away: type until one ends it.
  ASSERT_TRUE(eventually([&] {
    rig.type('x');
    return rig.console.flags.program_stopped.load();
  }));
  program.join();
  EXPECT_TRUE(rig.console.flags.exit_request.load());
  EXPECT_TRUE(rig.console.flags.program_stopped.load());
  EXPECT_GT(rig.bell.rings.load(), 0);
}

TEST(Threads, ThePauseHoldsTheProgramUntilTheNextKey) {
  Rig rig;
  std::atomic<int> steps{0};
  std::thread program = program_thread([&] {
    for (;;) {
      console::statement_event_check(rig.console, 1);
      steps.fetch_add(1);
      if (steps.load() % 100 == 0) std::this_thread::yield();
    }
  });
  ASSERT_TRUE(eventually([&] { return steps.load() > 0; }));
  rig.press(KeyEvent{0, SpecialKey::Pause});
  ASSERT_TRUE(rig.console.flags.pause.load());
  // Held: the count stands still once the step in progress is done.
  int held = 0;
  ASSERT_TRUE(eventually([&] {
    held = steps.load();
    std::this_thread::sleep_for(20ms);
    return steps.load() == held;
  }));
  rig.type('z');
  EXPECT_FALSE(rig.console.flags.pause.load());
  EXPECT_TRUE(rig.console.keys.empty());  // the key that ends the pause is not queued
  ASSERT_TRUE(eventually([&] { return steps.load() > held; }));
  rig.console.flags.exit_request.store(true);
  EXPECT_TRUE(exit_handshake(rig.console, 20s));
  program.join();
}

// The display draws frames from the page while the program prints lines that end in
// column 80 (each leaves a wrap pending) and scrolls: what a frame reads is the
// program's to write, and the last frame drawn shows the finished page.
TEST(Threads, TheDisplayDrawsThePageWhileTheProgramPrints) {
  Rig rig;
  const std::string line(80, 'x');
  std::atomic<bool> done{false};
  std::thread program([&] {
    for (int i = 0; i < 2000; ++i) {
      console::print_to_screen(rig.console, line, false);
      console::print_to_screen(rig.console, std::to_string(i), true);
    }
    done.store(true);
  });
  FrameRenderer frame;
  const auto draw = [&] {
    rig.console.page.take_changes();
    frame.update(rig.console.page.shown(), read_frame_palette(rig.console.page),
                 rig.console.page.palette_generation(), false);
  };
  while (!done.load()) draw();
  program.join();
  draw();
  // The last line end scrolled an empty row 24 in: row 23 holds the last number and
  // row 22 the last 80 x before it; the frame drew those cells as glyph pixels in the
  // foreground colour (light grey on black).
  ASSERT_EQ(console::page_text_row(rig.console.page, 23), "1999");
  const auto pixel = [&](int row, int column, int x, int y) {
    return frame.pixels()[((row - 1) * 16 + y) * kFrameWidth + (column - 1) * 8 + x];
  };
  int lit = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 8; ++x) lit += pixel(22, 40, x, y) == console::START_PALETTE[7];
  }
  EXPECT_GT(lit, 0) << "the x in row 22 was not drawn";
}

// A program thread blocked outside the console (a read of a pipe that never comes) is
// not waited for beyond the limit, and its files are left open.
TEST(Threads, TheExitDoesNotWaitForAProgramThatNeverAcknowledges) {
  Rig rig;
  std::promise<void> release;
  std::thread program([&] { release.get_future().wait(); });
  rig.console.flags.exit_request.store(true);
  const auto begun = std::chrono::steady_clock::now();
  EXPECT_FALSE(exit_handshake(rig.console, 50ms));
  EXPECT_GE(std::chrono::steady_clock::now() - begun, 50ms);
  EXPECT_TRUE(rig.console.flags.stop.load());
  release.set_value();
  program.join();
}

// The page rings the display's bell (the window's eventfd) at its first change after
// each look; a display that sleeps until the bell and looks at every ring ends up
// showing the last page.
TEST(Threads, EveryChangeOfThePageReachesADisplaySleepingOnItsBell) {
  struct CountedBell : EventBell {
    void ring() override {
      rung.fetch_add(1);
      EventBell::ring();
    }
    std::atomic<int> rung{0};
  };
  WindowHost host;
  CountedBell bell;
  console::Console console{host};
  console.attach_display(bell);
  constexpr int kWrites = 5000;
  std::atomic<bool> done{false};
  std::atomic<int> shown{-1};
  std::atomic<int> looks{0};
  std::thread display([&] {
    for (;;) {
      pollfd ring{bell.fd(), POLLIN, 0};
      poll(&ring, 1, -1);
      bell.clear();
      if (console.page.take_changes()) {
        looks.fetch_add(1);
        shown.store(console.page.cell(5, 5).character + 256 * console.page.cell(5, 6).character);
      }
      if (done.load()) return;
    }
  });
  console.page.take_changes();  // the start state counts as shown
  for (int i = 0; i < kWrites; ++i) {
    console.page.set_cell(5, 5, console::Cell{static_cast<std::uint8_t>(i % 256), 7});
    console.page.set_cell(5, 6, console::Cell{static_cast<std::uint8_t>(i / 256), 7});
  }
  ASSERT_TRUE(eventually([&] { return shown.load() == kWrites - 1; }))
      << "the display shows " << shown.load();
  const int rung = bell.rung.load();
  done.store(true);
  bell.ring();
  display.join();
  // One ring per look at most: a ring needs the mark cleared by a look (or by the take
  // before the writes), not one per cell written.
  EXPECT_LE(rung, looks.load() + 1);
}

}  // namespace
}  // namespace window
