// The window's key presses and its end, logged as freeglut's own connection to the X
// server receives them. Xlib turns each event that arrives on a connection into its
// queued form with a conversion routine chosen by the event's type; the log's routine
// does that conversion as before and then notes the window's key presses and its
// destruction in the key log (key_log.h). So the log holds exactly the events that
// enter freeglut's queue, in the order freeglut takes them out, whichever routine
// reads the connection (freeglut's loop or the GL driver waiting for a reply).
#pragma once

#include "window/key_log.h"

struct _XDisplay;

namespace window {

// From now on, notes in `log` the key presses and the destruction of `window` that
// `display` receives. REQUIRES: called once in the process; `log` lives as long as the
// connection, and only the thread that reads the connection uses it.
void log_window_events(_XDisplay* display, unsigned long window, KeyLog& log);

// What the X server's Latin-1 lookup gives for a press of `keycode` with `state`, in
// the keyboard mapping of `display`.
PressLookup look_up_press(_XDisplay* display, unsigned keycode, unsigned state);

}  // namespace window
