// The window thread: the platform's events, the page's frame, the error box and the
// exit. It sleeps until something happens: an X event, the display's bell (the
// program changed the page, asked for a box or for the exit), or the next blink
// toggle while something on the page blinks. A change of the page is shown at once,
// or, while changes come faster, at most every 16 ms.
//
// Keys typed while a box is shown answer the box instead of reaching the queue; only
// the keys that end the program still reach the console.
#pragma once

#include <chrono>
#include <optional>
#include <thread>

#include "console/console.h"
#include "window/box_view.h"
#include "window/event_bell.h"
#include "window/frame.h"
#include "window/platform.h"
#include "window/renderer.h"
#include "window/window_host.h"

namespace window {

class DisplayLoop {
 public:
  // Attaches the display's bell to the console and the console to the host.
  DisplayLoop(console::Console& console, WindowHost& host);

  // Opens the window. When there is no display or no usable display mode, writes one
  // line to standard error and returns false.
  bool open(int& argc, char** argv);

  // Runs the window until the exit request, then performs the exit handshake and ends
  // the process with exit code 0 (1 when the display's connection is lost).
  [[noreturn]] void run(std::thread& program);

 private:
  using Clock = std::chrono::steady_clock;

  void handle(const WindowEvent& event);
  void key(const WindowEvent& event);
  void click(int x, int y);
  void answer_box(bool yes);
  bool update_box();
  void update_frame(Clock::time_point now, bool box_changed);
  std::optional<std::chrono::milliseconds> sleep_limit(Clock::time_point now) const;
  [[noreturn]] void finish(int exit_code);

  console::Console& console_;
  WindowHost& host_;
  EventBell bell_;
  Platform platform_;
  Renderer renderer_;
  FrameRenderer frame_;
  std::optional<BoxRequest> box_;
  std::optional<BoxView> box_view_;
  std::thread* program_ = nullptr;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_frame_{};
  bool bell_rang_ = false;
  bool drawn_phase_ = false;
  bool drawn_once_ = false;
};

}  // namespace window
