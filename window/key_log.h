// The window's key presses, and its end, in the order its connection to the X server
// received them, matched against what freeglut reports of each press.
//
// freeglut hands on a press as a character or as a special key, or not at all (Pause,
// Break, Scroll Lock, Caps Lock, Shift+Tab and keys it has no code for). For each key
// freeglut reports, the log gives the press it came from: the key pressed, which tells
// Ctrl+Backspace from Ctrl+H and Ctrl+Enter from Ctrl+M. The presses freeglut hands on
// nothing for are delivered in their place: before the reported key that followed
// them, or, for those after the last one, once freeglut has handled every event its
// connection received.
//
// The log notes each event as the connection receives it (x_events.h), so it holds
// the same events as freeglut's queue, in the same order: which press a report came
// from never depends on how fast anything runs.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <utility>

#include "console/key_down.h"

namespace window {

// An event as the connection received it: a key press (its key and modifier state) or
// the window destroyed.
struct LoggedEvent {
  unsigned keycode = 0;
  unsigned state = 0;
  bool destroyed = false;
};

// What the X server's Latin-1 lookup makes of a press: its keysym after the modifiers,
// and the first character of its text (none for a key that types nothing).
struct PressLookup {
  unsigned long keysym = 0;
  std::optional<unsigned char> text;
};

// What freeglut reported: a character (its keyboard callback) or a special key (its
// special callback, with the GLUT key code).
struct FreeglutReport {
  bool special = false;
  int code = 0;
};

// An event delivered from the log: the console key event of a press freeglut does not
// hand on (see key_event_for_x_keysym), or the window destroyed.
struct XWindowEvent {
  std::optional<console::KeyEvent> key;
  bool destroyed = false;
};

class KeyLog {
 public:
  using Lookup = std::function<PressLookup(unsigned keycode, unsigned state)>;
  using Deliver = std::function<void(const XWindowEvent&)>;

  // `deliver` takes each logged event that comes out of the log on its own.
  KeyLog(Lookup lookup, Deliver deliver) : lookup_(std::move(lookup)), deliver_(std::move(deliver)) {}

  // The connection received `event`.
  void note(const LoggedEvent& event) { events_.push_back(event); }

  // For the key freeglut reports now: delivers the logged events before its press,
  // takes the press and returns its lookup. When no logged press gives the report, the
  // log is left as it is and nothing is returned.
  std::optional<PressLookup> take_reported(const FreeglutReport& report);

  // REQUIRES: freeglut has handled every event the connection received. Delivers the
  // events left and empties the log; a press whose report did not match (freeglut
  // handed on something the log does not know of) goes without a trace.
  void take_rest();

  bool empty() const { return events_.empty(); }

 private:
  // The lookup of a press; nothing to look up for the window's end.
  PressLookup look_up(const LoggedEvent& event) const;
  // Delivers what the event gives without freeglut: the window's end, or the key
  // event of a press freeglut does not hand on.
  void deliver_own(const LoggedEvent& event, const PressLookup& lookup) const;

  Lookup lookup_;
  Deliver deliver_;
  std::deque<LoggedEvent> events_;
};

}  // namespace window
