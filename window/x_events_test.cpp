// The window's key log on a real connection to a virtual X server while a second
// thread reads the same connection all the time, as a GL driver with a thread of its
// own may: the log's conversion routine then runs on either thread. One thread plays
// freeglut: it takes the window's events out of the queue in order and, for each key
// press, asks the log for the press it reports. Every report must take its own press.
// Run under ThreadSanitizer as well, which sees any access to the log that the
// connection's lock does not order.
#include <gtest/gtest.h>
#include <poll.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "window/e2e_harness.h"
#include "window/x_events.h"
// Xlib's macros (None, Bool) come last, after the names they would take.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace window {
namespace {

constexpr int kPresses = 600;

// A mapped window that takes the keyboard focus and receives key presses.
Window make_focused_window(Display* x, Display* focus_from) {
  const Window w = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 64, 64, 0, 0, 0);
  XSelectInput(x, w, KeyPressMask | ExposureMask);
  XMapWindow(x, w);
  XSync(x, False);
  XSetInputFocus(focus_from, w, RevertToParent, CurrentTime);
  XSync(focus_from, False);
  return w;
}

// Types kPresses letters a to z, in bursts of 20, on the harness's own connection.
void type_letters(Display* x) {
  for (int i = 0; i < kPresses; ++i) {
    const KeyCode code = XKeysymToKeycode(x, XK_a + i % 26);
    XTestFakeKeyEvent(x, code, True, 0);
    XTestFakeKeyEvent(x, code, False, 0);
    if (i % 20 == 19) XSync(x, False);
  }
  XSync(x, False);
}

TEST(LoggedWindow, EachReportTakesItsOwnPressWhileAnotherThreadReadsTheConnection) {
  e2e::VirtualDisplay server;
  ASSERT_TRUE(server.ok()) << "Xvfb did not start";
  Display* x = XOpenDisplay(server.name().c_str());
  ASSERT_NE(x, nullptr);
  const Window window = make_focused_window(x, server.connection());
  int delivered = 0;
  {
    LoggedWindow log([&delivered](const XWindowEvent&) { ++delivered; });
    log.start(x, window);
    std::atomic<bool> stop{false};
    std::thread reader([x, &stop] {
      while (!stop.load()) XSync(x, False);  // each round trip reads what has come
    });
    std::thread typist([&server] { type_letters(server.connection()); });

    int reports = 0, wrong = 0;
    std::string first_wrong;
    const auto end = std::chrono::steady_clock::now() + e2e::kPatience;
    while (reports < kPresses && std::chrono::steady_clock::now() < end) {
      if (XPending(x) == 0) {
        pollfd p{ConnectionNumber(x), POLLIN, 0};
        poll(&p, 1, 1);
        continue;
      }
      XEvent event;
      XNextEvent(x, &event);
      if (event.type != KeyPress) continue;
      const std::optional<ReportedPress> press = log.take_reported();
      const KeySym own = XLookupKeysym(&event.xkey, 0);
      if (!press || press->lookup.keysym != own) {
        if (wrong++ == 0) first_wrong = "report " + std::to_string(reports + 1);
      }
      ++reports;
      log.take_handled();
    }
    stop.store(true);
    reader.join();
    typist.join();
    EXPECT_EQ(reports, kPresses);
    EXPECT_EQ(wrong, 0) << "first at " << first_wrong;
  }
  EXPECT_EQ(delivered, 0) << "letters are reported, not delivered from the log";
  XCloseDisplay(x);
}

}  // namespace
}  // namespace window
