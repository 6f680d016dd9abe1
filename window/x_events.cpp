#include "window/x_events.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
// The conversion routines of a connection's events are set through Xlib's interface
// for extensions; its header comes last, since it defines macros of its own.
#include <X11/Xlibint.h>

namespace window {

namespace {

using Conversion = Bool (*)(Display*, XEvent*, xEvent*);

// The one logged window (log_window_events is called once).
KeyLog* logged = nullptr;
unsigned long logged_window = 0;
Conversion key_press_conversion = nullptr;
Conversion destroy_conversion = nullptr;

// Runs with the connection locked: notes the event and calls nothing of Xlib's.
Bool convert_and_log(Display* display, XEvent* event, xEvent* wire) {
  const int type = wire->u.u.type & 0x7F;
  const Conversion convert = type == KeyPress ? key_press_conversion : destroy_conversion;
  if (!convert(display, event, wire)) return False;
  if (event->type == KeyPress && event->xkey.window == logged_window) {
    logged->note(LoggedEvent{event->xkey.keycode, event->xkey.state, false});
  } else if (event->type == DestroyNotify && event->xdestroywindow.window == logged_window) {
    logged->note(LoggedEvent{0, 0, true});
  }
  return True;
}

}  // namespace

void log_window_events(Display* display, unsigned long window, KeyLog& log) {
  logged = &log;
  logged_window = window;
  key_press_conversion = XESetWireToEvent(display, KeyPress, convert_and_log);
  destroy_conversion = XESetWireToEvent(display, DestroyNotify, convert_and_log);
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
