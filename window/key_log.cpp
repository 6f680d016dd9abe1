#include "window/key_log.h"

#include "window/key_mapping.h"

namespace window {

namespace {

// What a press means without freeglut (nothing for most keys).
std::optional<console::KeyEvent> own_key_event(const LoggedEvent& press, const PressLookup& lookup) {
  return key_event_for_x_keysym(lookup.keysym, press.state);
}

}  // namespace

void KeyLog::note(const LoggedEvent& event) {
  const std::lock_guard lock(mutex_);
  events_.push_back(event);
}

std::size_t KeyLog::left_queue(std::size_t queued) const {
  const std::lock_guard lock(mutex_);
  return queued < events_.size() ? events_.size() - queued : 0;
}

bool KeyLog::empty() const {
  const std::lock_guard lock(mutex_);
  return events_.empty();
}

// A lookup may wait for the server (a keyboard mapping read anew), and the connection
// may receive more events meanwhile, on this thread or another, which the log notes at
// its end: the events are taken from its front one at a time, and the lock is let go
// before each lookup.
std::optional<ReportedPress> KeyLog::take_reported(std::size_t handled) {
  if (handled == 0) return std::nullopt;
  {
    const std::lock_guard lock(mutex_);
    if (handled > events_.size() || events_[handled - 1].destroyed) return std::nullopt;
  }
  deliver_first(handled - 1);
  const std::optional<LoggedEvent> press = take_first();
  const PressLookup lookup = look_up(*press);
  return ReportedPress{lookup, own_key_event(*press, lookup)};
}

void KeyLog::take_handled(std::size_t handled) { deliver_first(handled); }

std::optional<LoggedEvent> KeyLog::take_first() {
  const std::lock_guard lock(mutex_);
  if (events_.empty()) return std::nullopt;
  const LoggedEvent event = events_.front();
  events_.pop_front();
  return event;
}

void KeyLog::deliver_first(std::size_t count) {
  for (; count > 0; --count) {
    const std::optional<LoggedEvent> event = take_first();
    if (!event) return;
    deliver_own(*event);
  }
}

PressLookup KeyLog::look_up(const LoggedEvent& event) const {
  return event.destroyed ? PressLookup{} : lookup_(event.keycode, event.state);
}

void KeyLog::deliver_own(const LoggedEvent& event) const {
  if (event.destroyed) {
    deliver_(XWindowEvent{std::nullopt, true});
    return;
  }
  if (const auto key = own_key_event(event, look_up(event))) deliver_(XWindowEvent{key, false});
}

}  // namespace window
