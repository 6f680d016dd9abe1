// The key queue: keystrokes from the window thread to the program thread, and the
// key-down handler that turns a window's key event into the codes of the PC BIOS
// keyboard interface.
//
// The queue is a ring of 16 slots holding at most 15 keystrokes, with one producer
// (the window thread) and one consumer (the program thread) and no lock: the write
// position moves only after its slot is filled, the read position only after its
// slot is read.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

namespace console {

struct ConsoleFlags;

struct Keystroke {
  std::uint8_t character = 0;
  std::uint8_t scan = 0;
};

class KeyQueue {
 public:
  static constexpr int kSlots = 16;

  // Producer side. Returns false (and drops the keystroke) when the queue is full.
  bool push(Keystroke key);
  // Consumer side. Returns false when the queue is empty.
  bool pop(Keystroke& key);
  bool empty() const;

 private:
  std::array<std::atomic<std::uint16_t>, kSlots> slots_{};
  std::atomic<int> read_{0};
  std::atomic<int> write_{0};
};

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
