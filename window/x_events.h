// The window's own X events that freeglut does not deliver, read on a second
// connection to the X server (any number of clients may select events on one window):
// the presses of Pause, Break, Scroll Lock, Num Lock, Caps Lock and Shift+Tab, and the
// end of the window when another client destroys it. The same connection sees every
// key press, so it tells which key freeglut reports, for the characters freeglut
// cannot tell apart alone (key_mapping.h).
#pragma once

#include <functional>
#include <optional>

#include "console/key_down.h"

struct _XDisplay;

namespace window {

// One event read from the second connection: a key press (its console key event) or
// the window destroyed.
struct XWindowEvent {
  std::optional<console::KeyEvent> key;
  bool destroyed = false;
};

class XEventReader {
 public:
  XEventReader() = default;
  XEventReader(const XEventReader&) = delete;
  XEventReader& operator=(const XEventReader&) = delete;
  ~XEventReader();

  // Connects to the display and selects key presses and the window's structure
  // events on `window`. Returns false when that fails; the reader then delivers
  // nothing and knows of no held key.
  bool open(unsigned long window);

  // The connection's file descriptor, to sleep on (-1 when not open).
  int fd() const;
  // Whether Xlib may hold events already read from the connection: only after a
  // question to the server (held) or a read that stopped at a key, since the last read
  // of everything, which leaves none.
  bool queued();
  // Delivers the events received since the last call, in order, without waiting.
  // `up_to_key` is for a key freeglut is reporting now: the read stops after the first
  // key press that freeglut reports itself (that key), and the events behind it stay
  // for a later read, so they keep their place after it.
  void read(const std::function<void(const XWindowEvent&)>& deliver, bool up_to_key = false);

  // True when the key freeglut reports now is the key of `keysym`: the key press the
  // last read `up_to_key` stopped at, or, when that read found none yet, a key of
  // `keysym` held down now.
  bool reported_key_is(unsigned long keysym);

 private:
  bool held(unsigned long keysym);

  _XDisplay* display_ = nullptr;
  unsigned reported_keycode_ = 0;  // the press the last read up to a key stopped at (0: none)
  bool may_hold_ = false;  // a reply was read, or a read stopped at a key, since the last full read
};

}  // namespace window
