// The window's key presses, and its end, in the order its connection to the X server
// received them, matched against what freeglut reports of each press.
//
// freeglut hands on a press as a character or as a special key, or not at all (Pause,
// Break, Scroll Lock, Caps Lock, Shift+Tab and keys it has no code for). For each key
// freeglut reports, the log gives the press it came from: the key pressed, which tells
// Ctrl+Backspace from Ctrl+H and Ctrl+Enter from Ctrl+M. The presses freeglut hands on
// nothing for are delivered in their place: before the reported key that followed
// them, or, for those after the last one, once freeglut has handled them.
//
// The log notes each event as the connection receives it (x_events.h), so it holds
// the events of freeglut's queue in the same order, followed by nothing else: the
// events still queued are its last ones. freeglut takes events out of its queue in
// order and reports a key while it handles the press it has just taken, so the press
// a report came from is found by its place alone, the last logged event that has left
// the queue, whatever freeglut reports for it; and which press that is never depends
// on how fast anything runs.
//
// The connection may receive events on any thread, and the log notes them there; the
// rest is for the window thread alone. The log's own lock is held only for a moment
// at a time, never across a lookup or a delivery.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
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

// The press a report of freeglut's came from: its lookup, and what the press means on
// its own (key_event_for_x_keysym), for a report the console has no use for.
struct ReportedPress {
  PressLookup lookup;
  std::optional<console::KeyEvent> own_key;
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

  // The connection received `event` (on any thread).
  void note(const LoggedEvent& event);

  // How many of the logged events have left the connection's queue when `queued` of
  // them are still in it. For a count that holds, read it at the same moment as
  // `queued`, while nothing can note or take an event (x_events.h).
  std::size_t left_queue(std::size_t queued) const;

  // For the key freeglut reports now, with the first `handled` logged events out of
  // the connection's queue: delivers those before its press, takes the press and
  // returns it. When `handled` is 0, or the last of them is not a press, the log is
  // left as it is and nothing is returned.
  std::optional<ReportedPress> take_reported(std::size_t handled);

  // With the first `handled` logged events out of the connection's queue: delivers
  // them (a press whose report did not come goes without a trace) and leaves the
  // queued ones for freeglut.
  void take_handled(std::size_t handled);

  bool empty() const;

 private:
  // The first logged event, taken out of the log (none when it is empty).
  std::optional<LoggedEvent> take_first();
  // Delivers the first `count` events and drops them from the log.
  void deliver_first(std::size_t count);
  // The lookup of a press; nothing to look up for the window's end.
  PressLookup look_up(const LoggedEvent& event) const;
  // Delivers what the event gives without freeglut: the window's end, or the key
  // event of a press freeglut does not hand on.
  void deliver_own(const LoggedEvent& event) const;

  Lookup lookup_;
  Deliver deliver_;
  mutable std::mutex mutex_;  // guards events_
  std::deque<LoggedEvent> events_;
};

}  // namespace window
