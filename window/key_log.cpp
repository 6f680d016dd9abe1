#include "window/key_log.h"

#include "window/key_mapping.h"

namespace window {

// A lookup may wait for the server (a keyboard mapping read anew), and the connection
// may receive more events meanwhile, which the log notes at its end: the events are
// taken from its front one at a time, and no reference into it is kept across a
// lookup.
std::optional<ReportedPress> KeyLog::take_reported(std::size_t queued) {
  const std::size_t count = handled(queued);
  if (count == 0 || events_[count - 1].destroyed) return std::nullopt;
  deliver_first(count - 1);
  const LoggedEvent press = events_.front();
  events_.pop_front();
  return ReportedPress{look_up(press), press.state};
}

void KeyLog::take_handled(std::size_t queued) { deliver_first(handled(queued)); }

void KeyLog::deliver_first(std::size_t count) {
  for (; count > 0; --count) {
    const LoggedEvent event = events_.front();
    events_.pop_front();
    deliver_own(event, look_up(event));
  }
}

PressLookup KeyLog::look_up(const LoggedEvent& event) const {
  return event.destroyed ? PressLookup{} : lookup_(event.keycode, event.state);
}

void KeyLog::deliver_own(const LoggedEvent& event, const PressLookup& lookup) const {
  if (event.destroyed) {
    deliver_(XWindowEvent{std::nullopt, true});
    return;
  }
  if (const auto key = key_event_for_x_keysym(lookup.keysym, event.state)) deliver_(XWindowEvent{key, false});
}

}  // namespace window
