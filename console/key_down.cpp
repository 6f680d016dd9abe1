#include "console/key_down.h"

#include <cctype>

#include "console/console.h"

namespace console {

namespace {

// PC keyboard scan codes of the letter keys, A to Z.
constexpr std::uint8_t LETTER_SCAN_CODES[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                                49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};

// Scan codes of the keys of the main block that are not letters, for plain typing.
struct CharacterScan {
  char character;
  std::uint8_t scan;
};
constexpr CharacterScan OTHER_SCAN_CODES[] = {
    {'1', 2},  {'!', 2},  {'2', 3},  {'@', 3},  {'3', 4},  {'#', 4},   {'4', 5},  {'$', 5},
    {'5', 6},  {'%', 6},  {'6', 7},  {'^', 7},  {'7', 8},  {'&', 8},   {'8', 9},  {'*', 9},
    {'9', 10}, {'(', 10}, {'0', 11}, {')', 11}, {'-', 12}, {'_', 12},  {'=', 13}, {'+', 13},
    {'[', 26}, {'{', 26}, {']', 27}, {'}', 27}, {';', 39}, {':', 39},  {'\'', 40}, {'"', 40},
    {'`', 41}, {'~', 41}, {'\\', 43}, {'|', 43}, {',', 51}, {'<', 51}, {'.', 52}, {'>', 52},
    {'/', 53}, {'?', 53}, {' ', 57},
};

// The extended codes of the function keys and the cursor block: plain, with Shift,
// with Ctrl, with Alt.
struct ExtendedCodes {
  SpecialKey key;
  std::uint8_t plain, shift, ctrl, alt;
};
constexpr ExtendedCodes EXTENDED_CODES[] = {
    {SpecialKey::F1, 59, 84, 94, 104},     {SpecialKey::F2, 60, 85, 95, 105},
    {SpecialKey::F3, 61, 86, 96, 106},     {SpecialKey::F4, 62, 87, 97, 107},
    {SpecialKey::F5, 63, 88, 98, 108},     {SpecialKey::F6, 64, 89, 99, 109},
    {SpecialKey::F7, 65, 90, 100, 110},    {SpecialKey::F8, 66, 91, 101, 111},
    {SpecialKey::F9, 67, 92, 102, 112},    {SpecialKey::F10, 68, 93, 103, 113},
    {SpecialKey::F11, 133, 135, 137, 139}, {SpecialKey::F12, 134, 136, 138, 140},
    {SpecialKey::Home, 71, 71, 119, 151},  {SpecialKey::Up, 72, 72, 141, 152},
    {SpecialKey::PageUp, 73, 73, 132, 153}, {SpecialKey::Left, 75, 75, 115, 155},
    {SpecialKey::Right, 77, 77, 116, 157}, {SpecialKey::End, 79, 79, 117, 159},
    {SpecialKey::Down, 80, 80, 145, 160},  {SpecialKey::PageDown, 81, 81, 118, 161},
    {SpecialKey::Insert, 82, 82, 146, 162}, {SpecialKey::Delete, 83, 83, 147, 163},
};

// Alt with a digit or "-" / "=": 120 to 131.
constexpr char ALT_DIGIT_ROW[] = "1234567890-=";

std::uint8_t character_scan_code(std::uint8_t c) {
  if (std::isalpha(c)) return LETTER_SCAN_CODES[std::toupper(c) - 'A'];
  for (const auto& row : OTHER_SCAN_CODES) {
    if (static_cast<std::uint8_t>(row.character) == c) return row.scan;
  }
  return 0;
}

bool extended_key(const KeyEvent& e, Keystroke& out) {
  for (const auto& row : EXTENDED_CODES) {
    if (row.key != e.special) continue;
    const std::uint8_t code = e.alt ? row.alt : e.ctrl ? row.ctrl : e.shift ? row.shift : row.plain;
    out = Keystroke{0, code};
    return true;
  }
  return false;
}

bool editing_key(const KeyEvent& e, Keystroke& out) {
  switch (e.special) {
    case SpecialKey::Enter:
      if (e.alt) return false;
      out = Keystroke{static_cast<std::uint8_t>(e.ctrl ? 10 : 13), 28};
      return true;
    case SpecialKey::Backspace:
      out = e.alt ? Keystroke{0, 14} : Keystroke{static_cast<std::uint8_t>(e.ctrl ? 127 : 8), 14};
      return true;
    case SpecialKey::Tab:
      if (e.alt || e.ctrl) return false;
      out = e.shift ? Keystroke{0, 15} : Keystroke{9, 15};
      return true;
    case SpecialKey::Escape:
      if (e.alt) return false;
      out = Keystroke{27, 1};
      return true;
    default:
      return false;
  }
}

bool alt_character(std::uint8_t c, Keystroke& out) {
  if (std::isalpha(c)) {
    out = Keystroke{0, LETTER_SCAN_CODES[std::toupper(c) - 'A']};
    return true;
  }
  for (int i = 0; ALT_DIGIT_ROW[i] != '\0'; ++i) {
    if (static_cast<std::uint8_t>(ALT_DIGIT_ROW[i]) == c) {
      out = Keystroke{0, static_cast<std::uint8_t>(120 + i)};
      return true;
    }
  }
  return false;
}

bool ctrl_character(std::uint8_t c, Keystroke& out) {
  if (std::isalpha(c)) {
    const int letter = std::toupper(c) - 'A';
    out = Keystroke{static_cast<std::uint8_t>(letter + 1), LETTER_SCAN_CODES[letter]};
    return true;
  }
  return false;  // Ctrl with a digit or a sign has no code
}

bool character_key(const KeyEvent& e, Keystroke& out) {
  if (e.alt) return alt_character(e.character, out);
  if (e.ctrl) return ctrl_character(e.character, out);
  out = Keystroke{e.character, character_scan_code(e.character)};
  return true;
}

bool is_pause_key(const KeyEvent& e) {
  return e.special == SpecialKey::Pause || (e.ctrl && e.special == SpecialKey::NumLock);
}

}  // namespace

bool keystroke_for(const KeyEvent& event, Keystroke& out) {
  if (event.special == SpecialKey::None) return character_key(event, out);
  if (editing_key(event, out)) return true;
  return extended_key(event, out);
}

bool is_exit_key(const KeyEvent& event) {
  if (event.special == SpecialKey::Break) return true;
  if (event.ctrl && event.special == SpecialKey::ScrollLock) return true;
  return event.alt && event.special == SpecialKey::F4;
}

void key_down_handler(const KeyEvent& event, KeyQueue& keys, ConsoleFlags& flags) {
  Keystroke key;
  if (is_exit_key(event)) {
    flags.exit_request.store(true);
  } else if (is_pause_key(event)) {
    flags.pause.store(true);
  } else if (flags.pause.load()) {
    flags.pause.store(false);
  } else if (!keystroke_for(event, key) || !keys.push(key)) {
    return;  // nothing changed
  }
  flags.wakeup.notify();
}

}  // namespace console
