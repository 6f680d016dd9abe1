#include "window/key_mapping.h"

#include <GL/freeglut.h>
#include <X11/keysym.h>

#include "console/cp437.h"

namespace window {

namespace {

using console::KeyEvent;
using console::SpecialKey;

// The modifier bits of an X key event, fixed by the X protocol.
constexpr unsigned kXShift = 1u << 0;
constexpr unsigned kXControl = 1u << 2;
constexpr unsigned kXAlt = 1u << 3;  // Mod1


struct SpecialRow {
  int glut_key;
  SpecialKey key;
};

constexpr SpecialRow GLUT_SPECIAL_KEYS[] = {
    {GLUT_KEY_F1, SpecialKey::F1},         {GLUT_KEY_F2, SpecialKey::F2},
    {GLUT_KEY_F3, SpecialKey::F3},         {GLUT_KEY_F4, SpecialKey::F4},
    {GLUT_KEY_F5, SpecialKey::F5},         {GLUT_KEY_F6, SpecialKey::F6},
    {GLUT_KEY_F7, SpecialKey::F7},         {GLUT_KEY_F8, SpecialKey::F8},
    {GLUT_KEY_F9, SpecialKey::F9},         {GLUT_KEY_F10, SpecialKey::F10},
    {GLUT_KEY_F11, SpecialKey::F11},       {GLUT_KEY_F12, SpecialKey::F12},
    {GLUT_KEY_LEFT, SpecialKey::Left},     {GLUT_KEY_UP, SpecialKey::Up},
    {GLUT_KEY_RIGHT, SpecialKey::Right},   {GLUT_KEY_DOWN, SpecialKey::Down},
    {GLUT_KEY_PAGE_UP, SpecialKey::PageUp}, {GLUT_KEY_PAGE_DOWN, SpecialKey::PageDown},
    {GLUT_KEY_HOME, SpecialKey::Home},     {GLUT_KEY_END, SpecialKey::End},
    {GLUT_KEY_INSERT, SpecialKey::Insert}, {GLUT_KEY_DELETE, SpecialKey::Delete},
    {GLUT_KEY_SHIFT_L, SpecialKey::Shift}, {GLUT_KEY_SHIFT_R, SpecialKey::Shift},
    {GLUT_KEY_CTRL_L, SpecialKey::Ctrl},   {GLUT_KEY_CTRL_R, SpecialKey::Ctrl},
    {GLUT_KEY_ALT_L, SpecialKey::Alt},     {GLUT_KEY_ALT_R, SpecialKey::Alt},
};

KeyEvent with_modifiers(KeyEvent event, int modifiers) {
  event.shift = (modifiers & GLUT_ACTIVE_SHIFT) != 0;
  event.ctrl = (modifiers & GLUT_ACTIVE_CTRL) != 0;
  event.alt = (modifiers & GLUT_ACTIVE_ALT) != 0;
  return event;
}

KeyEvent special(SpecialKey key) { return KeyEvent{0, key}; }
KeyEvent character(unsigned char c) { return KeyEvent{c, SpecialKey::None}; }

// The control characters that a named key gives without Ctrl.
std::optional<SpecialKey> named_key(unsigned char key) {
  switch (key) {
    case 8: return SpecialKey::Backspace;
    case 9: return SpecialKey::Tab;
    case 13: return SpecialKey::Enter;
    case 27: return SpecialKey::Escape;
    case 127: return SpecialKey::Delete;
    default: return std::nullopt;
  }
}

// A character the X server turned into a control character because Ctrl was held:
// the named key when that was the key pressed, else the letter, digit or sign that
// gives it.
KeyEvent control_character(unsigned char key, const ReportedKeyIs& pressed) {
  struct Candidate {
    unsigned char key;
    unsigned long keysym;
    SpecialKey named;
  };
  static constexpr Candidate NAMED[] = {
      {8, XK_BackSpace, SpecialKey::Backspace}, {9, XK_Tab, SpecialKey::Tab},
      {13, XK_Return, SpecialKey::Enter},       {13, XK_KP_Enter, SpecialKey::Enter},
      {27, XK_Escape, SpecialKey::Escape},      {127, XK_Delete, SpecialKey::Delete},
  };
  for (const auto& c : NAMED) {
    if (c.key == key && pressed && pressed(c.keysym)) return special(c.named);
  }
  if (key >= 1 && key <= 26) return character(static_cast<unsigned char>('a' + key - 1));
  if (key == 0) {
    for (const unsigned char sign : {' ', '@', '`'}) {
      if (pressed && pressed(sign)) return character(sign);
    }
    return character('2');
  }
  if (key >= 27 && key <= 31) {
    const unsigned char digit = static_cast<unsigned char>('3' + key - 27);
    if (pressed && pressed(digit)) return character(digit);
    return character(static_cast<unsigned char>('[' + key - 27));
  }
  if (key == 127) return character('8');
  return character(key);
}

}  // namespace

std::optional<console::KeyEvent> key_event_for_character(unsigned char key, int modifiers,
                                                         const ReportedKeyIs& pressed) {
  if (key >= 128) {
    const int byte = console::cp437_from_code_point(key);  // Latin-1: the byte is the character
    if (byte < 0) return std::nullopt;
    return with_modifiers(character(static_cast<unsigned char>(byte)), modifiers);
  }
  if (modifiers & GLUT_ACTIVE_CTRL) {
    if (key < 32 || key == 127) return with_modifiers(control_character(key, pressed), modifiers);
    return with_modifiers(character(key), modifiers);
  }
  if (const auto named = named_key(key)) return with_modifiers(special(*named), modifiers);
  return with_modifiers(character(key), modifiers);
}

std::optional<console::KeyEvent> key_event_for_special(int key, int modifiers) {
  for (const auto& row : GLUT_SPECIAL_KEYS) {
    if (row.glut_key == key) return with_modifiers(special(row.key), modifiers);
  }
  return std::nullopt;
}

std::optional<console::KeyEvent> key_event_for_x_keysym(unsigned long keysym, unsigned state) {
  // The Pause key gives Break with Ctrl under XKB, but with Shift under the core
  // keymap (its keysyms there are Pause and Break): it ends the program only with Ctrl
  // held, whichever keysym it gives.
  KeyEvent event;
  switch (keysym) {
    case XK_Pause:
    case XK_Break: event = special((state & kXControl) ? SpecialKey::Break : SpecialKey::Pause); break;
    case XK_Scroll_Lock: event = special(SpecialKey::ScrollLock); break;
    case XK_Num_Lock: event = special(SpecialKey::NumLock); break;
    case XK_Caps_Lock: event = special(SpecialKey::CapsLock); break;
    case XK_ISO_Left_Tab: event = special(SpecialKey::Tab); break;
    default: return std::nullopt;
  }
  event.shift = (state & kXShift) != 0 || keysym == XK_ISO_Left_Tab;
  event.ctrl = (state & kXControl) != 0;
  event.alt = (state & kXAlt) != 0;
  return event;
}

}  // namespace window
