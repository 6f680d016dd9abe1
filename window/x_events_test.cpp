// The window's key log on a real connection to a virtual X server while a second
// thread reads the same connection all the time, as a GL driver with a thread of its
// own may: the log's conversion routine then runs on either thread. One thread plays
// freeglut: it takes the window's events out of the queue in order, reports each
// letter (asking the log for its press) and skips each Pause and the window's end,
// which the log must then deliver in their place. Run under ThreadSanitizer as well,
// which sees any access to the log that no lock orders.
#include <gtest/gtest.h>
#include <poll.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "console/key_down.h"
#include "window/e2e_harness.h"
#include "window/x_events.h"
// Xlib's macros (None, Bool) come last, after the names they would take.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace window {
namespace {

constexpr int kKeys = 600;

// A mapped window that has the keyboard focus.
Window make_focused_window(Display* x, Display* focus_from) {
  const Window w = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 64, 64, 0, 0, 0);
  XSelectInput(x, w, KeyPressMask | StructureNotifyMask);
  XMapWindow(x, w);
  XSync(x, False);
  XSetInputFocus(focus_from, w, RevertToParent, CurrentTime);
  XSync(focus_from, False);
  return w;
}

// The keys typed: the letters a to z over and over, every seventh key a Pause.
unsigned long key_typed(int i) { return i % 7 == 6 ? XK_Pause : XK_a + i % 26; }

// Types the keys in bursts of 20 on the harness's own connection, then destroys the
// window.
void type_keys_then_destroy(Display* x, Window window) {
  for (int i = 0; i < kKeys; ++i) {
    const KeyCode code = XKeysymToKeycode(x, key_typed(i));
    XTestFakeKeyEvent(x, code, True, 0);
    XTestFakeKeyEvent(x, code, False, 0);
    if (i % 20 == 19) XSync(x, False);
  }
  XDestroyWindow(x, window);
  XSync(x, False);
}

std::string name_of(unsigned long keysym) {
  const char* name = XKeysymToString(keysym);
  return name ? name : "?";
}

TEST(LoggedWindow, EachKeyComesInItsPlaceWhileAnotherThreadReadsTheConnection) {
  e2e::VirtualDisplay server;
  ASSERT_TRUE(server.ok()) << "Xvfb did not start";
  Display* x = XOpenDisplay(server.name().c_str());
  ASSERT_NE(x, nullptr);
  const Window window = make_focused_window(x, server.connection());
  std::vector<std::string> want;
  for (int i = 0; i < kKeys; ++i) want.push_back(name_of(key_typed(i)));
  want.push_back("destroyed");

  // What comes out, in order: each report as the name of the press it took, each
  // delivered event as its name.
  std::vector<std::string> out;
  {
    LoggedWindow log([&out](const XWindowEvent& e) {
      if (e.destroyed) out.push_back("destroyed");
      else if (e.key && e.key->special == console::SpecialKey::Pause) out.push_back("Pause");
      else out.push_back("(other)");
    });
    log.start(x, window);
    std::atomic<bool> stop{false};
    std::thread reader([x, &stop] {
      while (!stop.load()) XSync(x, False);  // each round trip reads what has come
    });
    std::thread typist([&server, window] { type_keys_then_destroy(server.connection(), window); });

    bool destroyed = false;
    const auto end = std::chrono::steady_clock::now() + e2e::kPatience;
    while (!destroyed && std::chrono::steady_clock::now() < end) {
      if (XPending(x) == 0) {
        pollfd p{ConnectionNumber(x), POLLIN, 0};
        poll(&p, 1, 1);
        continue;
      }
      XEvent event;
      XNextEvent(x, &event);
      destroyed = event.type == DestroyNotify;
      if (event.type == KeyPress && XLookupKeysym(&event.xkey, 0) != XK_Pause) {
        const std::optional<ReportedPress> press = log.take_reported();
        out.push_back(press ? name_of(press->lookup.keysym) : "(none)");
      }
      log.take_handled();
    }
    stop.store(true);
    reader.join();
    typist.join();
  }
  ASSERT_EQ(out.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) ASSERT_EQ(out[i], want[i]) << "key " << i + 1;
  XCloseDisplay(x);
}

}  // namespace
}  // namespace window
