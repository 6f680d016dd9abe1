// The window's key presses and its end, logged as freeglut's own connection to the X
// server receives them. Xlib turns each event that arrives on a connection into its
// queued form with a conversion routine chosen by the event's type; the log's routine
// does that conversion as before and then notes the window's key presses and its
// destruction in the key log (key_log.h). So the log holds exactly the events that
// enter freeglut's queue, in the order freeglut takes them out, whichever routine
// reads the connection (freeglut's loop or the GL driver waiting for a reply) and on
// whichever thread.
//
// Xlib runs a conversion routine with the connection locked. Everything else here
// reads and changes the log only with the connection locked too (XLockDisplay, under
// which the locking thread may still call Xlib), so the routine never runs while the
// log is read, on any thread. The log has no lock of its own, so no lock is ever held
// across an Xlib call but the connection's, which Xlib takes again for its own thread.
#pragma once

#include <cstddef>
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
  // receives; those the connection holds already are noted first. REQUIRES: no other
  // LoggedWindow is logging.
  void start(_XDisplay* display, unsigned long window);

  // In freeglut's keyboard or special callback: the press of the key it reports now,
  // after delivering the logged events before it (KeyLog::take_reported).
  std::optional<ReportedPress> take_reported();
  // After freeglut has handled what it took from its queue: delivers the logged
  // events it has handled; those still queued wait for freeglut.
  void take_handled();

 private:
  _XDisplay* display_ = nullptr;
  KeyLog log_;
};

// What the X server's Latin-1 lookup gives for a press of `keycode` with `state`, in
// the keyboard mapping of `display`.
PressLookup look_up_press(_XDisplay* display, unsigned keycode, unsigned state);

}  // namespace window
