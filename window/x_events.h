// The window's key presses and its end, logged as freeglut's own connection to the X
// server receives them. Xlib turns each event that arrives on a connection into its
// queued form with a conversion routine chosen by the event's type; the log's routine
// does that conversion as before and then notes the window's key presses and its
// destruction in the key log (key_log.h). So the log holds exactly the events that
// enter freeglut's queue, in the order freeglut takes them out, whichever routine
// reads the connection (freeglut's loop or the GL driver waiting for a reply) and on
// whichever thread.
//
// Xlib converts and queues an event, and takes one out of its queue, with the
// connection's own lock held. The place of a reported press is read under that lock
// too: the logged events still queued are counted and the log's length read at one
// moment, which no conversion can come between, on any thread. Xlib lets a thread
// that waits for a reply convert events even while another holds the user's lock of
// the connection (XLockDisplay), so that lock alone would not do. The log guards its
// own contents with a lock that is held only for a moment and never across an Xlib
// call; the one order in which both are held is the connection's lock first.
#pragma once

#include <optional>

#include "window/key_log.h"

struct _XDisplay;

namespace window {

class LoggedWindow {
 public:
  // `deliver` takes each logged event that comes out of the log on its own (key_log.h).
  explicit LoggedWindow(KeyLog::Deliver deliver);
  // Stops logging: the connection's own conversion routines are given back, and
  // nothing is noted any more, also when the connection is closed later.
  ~LoggedWindow();
  LoggedWindow(const LoggedWindow&) = delete;
  LoggedWindow& operator=(const LoggedWindow&) = delete;

  // From now on, notes the key presses and the destruction of `window` that `display`
  // receives. REQUIRES: no other LoggedWindow is logging.
  void start(_XDisplay* display, unsigned long window);

  // In freeglut's keyboard or special callback: the press of the key it reports now,
  // after delivering the logged events before it (KeyLog::take_reported).
  std::optional<ReportedPress> take_reported();
  // In any other callback of freeglut's, and after freeglut has handled what it took
  // from its queue: delivers the logged events that have left the queue, those before
  // the event it handles now; those still queued wait for freeglut.
  void take_handled();

 private:
  // How many logged events have left the connection's queue, read under the
  // connection's lock.
  std::size_t handled() const;

  _XDisplay* display_ = nullptr;
  KeyLog log_;
};

// What the X server's Latin-1 lookup gives for a press of `keycode` with `state`, in
// the keyboard mapping of `display`.
PressLookup look_up_press(_XDisplay* display, unsigned keycode, unsigned state);

}  // namespace window
