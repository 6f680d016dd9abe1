#include "window/x_events.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
// The conversion routines of a connection's events, its queue and its own lock are
// reached through Xlib's interface for extensions; its header comes last, since it
// defines macros of its own.
#include <X11/Xlibint.h>

namespace window {

namespace {

using Conversion = Bool (*)(Display*, XEvent*, xEvent*);

// The log being written, the window it logs and the routines the log's replaced: set
// and cleared under the connection's lock, under which Xlib calls the routine. The
// previous routines stay set once known: a routine set after the log's may still call
// the log's, which then only converts.
KeyLog* logged = nullptr;
unsigned long logged_window = 0;
Conversion key_press_conversion = nullptr;
Conversion destroy_conversion = nullptr;

// The connection's own lock, which Xlib holds while it converts, queues and takes
// out events. REQUIRES: this thread is in no Xlib call (the lock is not recursive).
class ConnectionLock {
 public:
  explicit ConnectionLock(Display* display) : display_(display) { LockDisplay(display_); }
  ~ConnectionLock() { UnlockDisplay(display_); }
  ConnectionLock(const ConnectionLock&) = delete;
  ConnectionLock& operator=(const ConnectionLock&) = delete;

 private:
  Display* display_;
};

// The logged event of a queued event: the logged window's key press or its end.
std::optional<LoggedEvent> logged_event_of(const XEvent& event) {
  if (event.type == KeyPress && event.xkey.window == logged_window) {
    return LoggedEvent{event.xkey.keycode, event.xkey.state, false};
  }
  if (event.type == DestroyNotify && event.xdestroywindow.window == logged_window) {
    return LoggedEvent{0, 0, true};
  }
  return std::nullopt;
}

// Runs with the connection locked: converts, then notes the event; calls nothing of
// Xlib's.
Bool convert_and_log(Display* display, XEvent* event, xEvent* wire) {
  const int type = wire->u.u.type & 0x7F;
  const Conversion convert = type == KeyPress ? key_press_conversion : destroy_conversion;
  if (!convert(display, event, wire)) return False;
  if (logged == nullptr) return True;
  if (const auto e = logged_event_of(*event)) logged->note(*e);
  return True;
}

// How many of the logged window's events wait in the connection's queue. REQUIRES:
// the connection locked. Events queued before the log began are counted too; they
// stand before every logged one, so they have all left the queue before freeglut
// reports a logged press, and until then the count only keeps a report from taking
// any press.
std::size_t queued_logged(const Display* display) {
  std::size_t count = 0;
  for (const _XQEvent* q = display->head; q != nullptr; q = q->next) {
    if (logged_event_of(q->event)) ++count;
  }
  return count;
}

// Sets the log's routine for `type` and returns the previous one. REQUIRES: the
// connection locked, so that no event is converted before the previous routine is
// known (what XESetWireToEvent does, but under a lock held across both steps).
Conversion set_log_routine(Display* display, int type) {
  const Conversion previous = display->event_vec[type];
  display->event_vec[type] = convert_and_log;
  return previous;
}

// Gives the previous routine of `type` back, unless another one was set after the
// log's: that one is kept, and calls the log's, which only converts now. REQUIRES:
// the connection locked.
void give_back(Display* display, int type, Conversion previous) {
  if (display->event_vec[type] == convert_and_log) display->event_vec[type] = previous;
}

}  // namespace

LoggedWindow::LoggedWindow(KeyLog::Deliver deliver)
    : log_([this](unsigned keycode, unsigned state) { return look_up_press(display_, keycode, state); },
           std::move(deliver)) {}

void LoggedWindow::start(Display* display, unsigned long window) {
  const ConnectionLock lock(display);
  display_ = display;
  logged_window = window;
  logged = &log_;
  key_press_conversion = set_log_routine(display, KeyPress);
  destroy_conversion = set_log_routine(display, DestroyNotify);
}

LoggedWindow::~LoggedWindow() {
  if (display_ == nullptr) return;
  const ConnectionLock lock(display_);
  give_back(display_, KeyPress, key_press_conversion);
  give_back(display_, DestroyNotify, destroy_conversion);
  logged = nullptr;
}

std::size_t LoggedWindow::handled() const {
  const ConnectionLock lock(display_);
  return log_.left_queue(queued_logged(display_));
}

std::optional<ReportedPress> LoggedWindow::take_reported() {
  if (display_ == nullptr) return std::nullopt;
  return log_.take_reported(handled());
}

// An empty log costs nothing: a blink's wake-up does not count.
void LoggedWindow::take_handled() {
  if (display_ == nullptr || log_.empty()) return;
  log_.take_handled(handled());
}

PressLookup look_up_press(Display* display, unsigned keycode, unsigned state) {
  XKeyEvent press{};
  press.type = KeyPress;
  press.display = display;
  press.keycode = keycode;
  press.state = state;
  char text[8];
  KeySym keysym = NoSymbol;
  const int length = XLookupString(&press, text, sizeof text, &keysym, nullptr);
  PressLookup lookup;
  lookup.keysym = keysym;
  if (length > 0) lookup.text = static_cast<unsigned char>(text[0]);
  return lookup;
}

}  // namespace window
