// Key-downs for tests: a typed character or a special key, with the modifiers held.
#pragma once

#include <cstdint>

#include "console/key_down.h"

namespace console {

inline KeyEvent character(char ch, bool shift = false, bool ctrl = false, bool alt = false) {
  return KeyEvent{static_cast<std::uint8_t>(ch), SpecialKey::None, shift, ctrl, alt};
}
inline KeyEvent special(SpecialKey key, bool shift = false, bool ctrl = false, bool alt = false) {
  return KeyEvent{0, key, shift, ctrl, alt};
}

}  // namespace console
