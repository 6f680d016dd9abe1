#include "window/x_keys.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "window/key_mapping.h"

namespace window {

XKeyReader::~XKeyReader() {
  if (display_) XCloseDisplay(display_);
}

bool XKeyReader::open(unsigned long window) {
  display_ = XOpenDisplay(nullptr);
  if (!display_) return false;
  XSelectInput(display_, window, KeyPressMask);
  XFlush(display_);
  return true;
}

void XKeyReader::read(const std::function<void(const console::KeyEvent&)>& deliver) {
  if (!display_) return;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type != KeyPress) continue;
    KeySym keysym = NoSymbol;
    char text[8];
    XLookupString(&event.xkey, text, sizeof text, &keysym, nullptr);
    if (const auto key = key_event_for_x_keysym(keysym, event.xkey.state)) deliver(*key);
  }
}

bool XKeyReader::held(unsigned long keysym) {
  if (!display_) return false;
  const KeyCode code = XKeysymToKeycode(display_, keysym);
  if (code == 0) return false;
  char keys[32];
  XQueryKeymap(display_, keys);
  return (keys[code / 8] >> (code % 8)) & 1;
}

}  // namespace window
