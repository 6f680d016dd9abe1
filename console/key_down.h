// A key-down as the window reports it, and the handler that turns it into the codes of
// the PC BIOS keyboard interface: the keys that end or pause the program act at once,
// every other key goes into the key queue as its character and scan code.
#pragma once

#include <cstdint>

#include "console/key_queue.h"

namespace console {

struct ConsoleFlags;

// Keys that are not a plain character, as a window reports them.
enum class SpecialKey : std::uint8_t {
  None,
  Enter, Backspace, Tab, Escape,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  Home, Up, PageUp, Left, Right, End, Down, PageDown, Insert, Delete,
  Pause, Break, ScrollLock, NumLock, CapsLock,
  Shift, Ctrl, Alt,
};

// One key-down: either a code page 437 character (special == None) or a special key,
// with the state of the modifiers. A letter arrives as the window delivers it (with
// Shift or Caps Lock applied); with Ctrl or Alt it may arrive in either case.
struct KeyEvent {
  std::uint8_t character = 0;
  SpecialKey special = SpecialKey::None;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// The keystroke codes of a key-down, or false when it has none (a modifier alone,
// Ctrl with a digit, the keys that end or pause the program).
bool keystroke_for(const KeyEvent& event, Keystroke& out);

// Ctrl+Break, Ctrl+Scroll Lock and Alt+F4: the keys that end the program, also while
// an error box is shown.
bool is_exit_key(const KeyEvent& event);

// The window thread's handler: the exit and pause keys, the end of a pause, or a
// keystroke into the queue (dropped when the queue is full). Whatever it changes, it
// wakes the program thread's waits.
void key_down_handler(const KeyEvent& event, KeyQueue& keys, ConsoleFlags& flags);

}  // namespace console
