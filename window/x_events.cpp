#include "window/x_events.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "window/key_mapping.h"

namespace window {

XEventReader::~XEventReader() {
  if (display_) XCloseDisplay(display_);
}

bool XEventReader::open(unsigned long window) {
  display_ = XOpenDisplay(nullptr);
  if (!display_) return false;
  XSelectInput(display_, window, KeyPressMask | StructureNotifyMask);
  XFlush(display_);
  return true;
}

int XEventReader::fd() const { return display_ ? ConnectionNumber(display_) : -1; }

bool XEventReader::queued() { return display_ && may_hold_ && XEventsQueued(display_, QueuedAlready) > 0; }

void XEventReader::read(const std::function<void(const XWindowEvent&)>& deliver, bool up_to_key) {
  if (!display_) return;
  may_hold_ = up_to_key;
  reported_keycode_ = 0;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == DestroyNotify) {
      deliver(XWindowEvent{std::nullopt, true});
      continue;
    }
    if (event.type != KeyPress) continue;
    KeySym keysym = NoSymbol;
    char text[8];
    XLookupString(&event.xkey, text, sizeof text, &keysym, nullptr);
    if (const auto key = key_event_for_x_keysym(keysym, event.xkey.state)) deliver(XWindowEvent{key, false});
    if (up_to_key && freeglut_reports(keysym)) {
      reported_keycode_ = event.xkey.keycode;
      return;
    }
  }
}

bool XEventReader::reported_key_is(unsigned long keysym) {
  if (!display_ || reported_keycode_ == 0) return held(keysym);
  return XKeysymToKeycode(display_, keysym) == reported_keycode_;
}

bool XEventReader::held(unsigned long keysym) {
  if (!display_) return false;
  const KeyCode code = XKeysymToKeycode(display_, keysym);
  if (code == 0) return false;
  char keys[32];
  may_hold_ = true;
  XQueryKeymap(display_, keys);
  return (keys[code / 8] >> (code % 8)) & 1;
}

}  // namespace window
