#include "window/key_log.h"

#include <algorithm>
#include <iterator>
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

std::optional<PressLookup> KeyLog::take_reported(const FreeglutReport& report, const Deliver& deliver) {
  std::vector<PressLookup> lookups;
  lookups.reserve(events_.size());
  const auto match = std::find_if(events_.begin(), events_.end(), [&](const LoggedEvent& e) {
    lookups.push_back(e.destroyed ? PressLookup{} : lookup_(e.keycode, e.state));
    return !e.destroyed && gives(lookups.back(), report);
  });
  if (match == events_.end()) return std::nullopt;
  for (std::size_t i = 0; i < lookups.size(); ++i) deliver_own(events_[i], lookups[i], deliver);
  events_.erase(events_.begin(), std::next(match));
  return lookups.back();
}

void KeyLog::take_rest(const Deliver& deliver) {
  while (!events_.empty()) {
    const LoggedEvent event = events_.front();
    events_.pop_front();
    deliver_own(event, event.destroyed ? PressLookup{} : lookup_(event.keycode, event.state), deliver);
  }
}

void KeyLog::deliver_own(const LoggedEvent& event, const PressLookup& lookup, const Deliver& deliver) const {
  if (event.destroyed) {
    deliver(XWindowEvent{std::nullopt, true});
    return;
  }
  if (const auto key = key_event_for_x_keysym(lookup.keysym, event.state)) deliver(XWindowEvent{key, false});
}

}  // namespace window
