// The keys freeglut does not deliver, read from the window's own X events on a second
// connection to the X server: the connection selects key presses on the window (any
// number of clients may), so Pause, Break, Scroll Lock, Num Lock, Caps Lock and
// Shift+Tab reach the console as well. The same connection tells which keys are held
// down, for the characters freeglut cannot tell apart alone (key_mapping.h).
#pragma once

#include <functional>

#include "console/key_queue.h"

struct _XDisplay;

namespace window {

class XKeyReader {
 public:
  XKeyReader() = default;
  XKeyReader(const XKeyReader&) = delete;
  XKeyReader& operator=(const XKeyReader&) = delete;
  ~XKeyReader();

  // Connects to the display and selects key presses on `window`. Returns false when
  // that fails; the reader then delivers nothing and knows of no held key.
  bool open(unsigned long window);

  // Delivers the key events of the presses received since the last call.
  void read(const std::function<void(const console::KeyEvent&)>& deliver);

  // True when the key of `keysym` is held down now.
  bool held(unsigned long keysym);

 private:
  _XDisplay* display_ = nullptr;
};

}  // namespace window
