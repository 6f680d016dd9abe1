#include "window/key_log.h"

#include <cstddef>
#include <vector>

#include "window/key_mapping.h"

namespace window {

namespace {

// Whether a press with this lookup is the one freeglut reported: a character is the
// first of the press's text, a special key comes from a press without text.
bool gives(const PressLookup& lookup, const FreeglutReport& report) {
  if (report.special) return !lookup.text && freeglut_special_key(lookup.keysym) == report.code;
  return lookup.text && *lookup.text == report.code;
}

}  // namespace

// By index, not by iterator: a lookup may wait for the server (a keyboard mapping
// read anew), and the connection may receive more events meanwhile, which the log
// notes at its end.
std::optional<PressLookup> KeyLog::take_reported(const FreeglutReport& report) {
  std::vector<PressLookup> lookups;
  for (std::size_t i = 0; i < events_.size(); ++i) {
    const LoggedEvent event = events_[i];
    lookups.push_back(look_up(event));
    if (event.destroyed || !gives(lookups.back(), report)) continue;
    for (std::size_t j = 0; j <= i; ++j) deliver_own(events_[j], lookups[j]);
    events_.erase(events_.begin(), events_.begin() + static_cast<std::ptrdiff_t>(i + 1));
    return lookups.back();
  }
  return std::nullopt;
}

void KeyLog::take_rest() {
  while (!events_.empty()) {
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
