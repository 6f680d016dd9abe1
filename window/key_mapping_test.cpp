#include "window/key_mapping.h"

#include <GL/freeglut.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <set>


namespace window {
namespace {

using console::KeyEvent;
using console::SpecialKey;

constexpr int kShift = GLUT_ACTIVE_SHIFT;
constexpr int kCtrl = GLUT_ACTIVE_CTRL;
constexpr int kAlt = GLUT_ACTIVE_ALT;

// The key freeglut reports is the key of one of these keysyms.
ReportedKeyIs pressing(std::set<unsigned long> keys) {
  return [keys](unsigned long keysym) { return keys.count(keysym) > 0; };
}

void expect_event(const std::optional<KeyEvent>& got, const KeyEvent& want, const char* what) {
  ASSERT_TRUE(got.has_value()) << what;
  EXPECT_EQ(got->character, want.character) << what;
  EXPECT_EQ(got->special, want.special) << what;
  EXPECT_EQ(got->shift, want.shift) << what;
  EXPECT_EQ(got->ctrl, want.ctrl) << what;
  EXPECT_EQ(got->alt, want.alt) << what;
}

TEST(KeyMapping, CharactersWithTheModifierStateBecomeKeyEvents) {
  struct Case {
    const char* what;
    unsigned char key;
    int modifiers;
    std::set<unsigned long> pressed;
    KeyEvent want;
  } cases[] = {
      {"a", 'a', 0, {}, {'a', SpecialKey::None}},
      {"Shift+A", 'A', kShift, {}, {'A', SpecialKey::None, true}},
      {"blank", ' ', 0, {}, {' ', SpecialKey::None}},
      {"Enter", 13, 0, {}, {0, SpecialKey::Enter}},
      {"Backspace", 8, 0, {}, {0, SpecialKey::Backspace}},
      {"Tab", 9, 0, {}, {0, SpecialKey::Tab}},
      {"Esc", 27, 0, {}, {0, SpecialKey::Escape}},
      {"Delete", 127, 0, {}, {0, SpecialKey::Delete}},
      {"Ctrl+A", 1, kCtrl, {}, {'a', SpecialKey::None, false, true}},
      {"Ctrl+Z", 26, kCtrl, {}, {'z', SpecialKey::None, false, true}},
      {"Ctrl+H", 8, kCtrl, {'h'}, {'h', SpecialKey::None, false, true}},
      {"Ctrl+Backspace", 8, kCtrl, {XK_BackSpace}, {0, SpecialKey::Backspace, false, true}},
      {"Ctrl+I", 9, kCtrl, {}, {'i', SpecialKey::None, false, true}},
      {"Ctrl+M", 13, kCtrl, {'m'}, {'m', SpecialKey::None, false, true}},
      {"Ctrl+Enter", 13, kCtrl, {XK_Return}, {0, SpecialKey::Enter, false, true}},
      {"Ctrl+keypad Enter", 13, kCtrl, {XK_KP_Enter}, {0, SpecialKey::Enter, false, true}},
      {"Ctrl+J", 10, kCtrl, {}, {'j', SpecialKey::None, false, true}},
      {"Ctrl+Esc", 27, kCtrl, {XK_Escape}, {0, SpecialKey::Escape, false, true}},
      {"Ctrl+[", 27, kCtrl, {}, {'[', SpecialKey::None, false, true}},
      {"Ctrl+3", 27, kCtrl, {'3'}, {'3', SpecialKey::None, false, true}},
      {"Ctrl+7", 31, kCtrl, {'7'}, {'7', SpecialKey::None, false, true}},
      {"Ctrl+2", 0, kCtrl, {}, {'2', SpecialKey::None, false, true}},
      {"Ctrl+Alt+2", 0, kCtrl | kAlt, {'2'}, {'2', SpecialKey::None, false, true, true}},
      {"Ctrl+Alt+blank", 0, kCtrl | kAlt, {XK_space}, {' ', SpecialKey::None, false, true, true}},
      {"Ctrl+Alt+`", 0, kCtrl | kAlt, {XK_grave}, {'`', SpecialKey::None, false, true, true}},
      {"Ctrl+Shift+@", 0, kCtrl | kShift, {XK_at}, {'@', SpecialKey::None, true, true}},
      {"Ctrl+8", 127, kCtrl, {}, {'8', SpecialKey::None, false, true}},
      {"Ctrl+Delete", 127, kCtrl, {XK_Delete}, {0, SpecialKey::Delete, false, true}},
      {"Ctrl+1", '1', kCtrl, {}, {'1', SpecialKey::None, false, true}},
      {"Alt+X", 'x', kAlt, {}, {'x', SpecialKey::None, false, false, true}},
      {"Alt+Backspace", 8, kAlt, {}, {0, SpecialKey::Backspace, false, false, true}},
      {"e acute", 0xE9, 0, {}, {130, SpecialKey::None}},
      {"u umlaut", 0xFC, 0, {}, {129, SpecialKey::None}},
      {"pound sign", 0xA3, 0, {}, {156, SpecialKey::None}},
      {"sharp s", 0xDF, 0, {}, {225, SpecialKey::None}},
      {"degree", 0xB0, 0, {}, {248, SpecialKey::None}},
  };
  for (const auto& c : cases) {
    expect_event(key_event_for_character(c.key, c.modifiers, pressing(c.pressed)), c.want, c.what);
  }
}

TEST(KeyMapping, CharactersThatCodePage437LacksGiveNothing) {
  for (unsigned char key : {0xA4, 0xA6, 0xA9, 0xAE, 0xC0, 0xD7, 0xF0}) {  // ¤ ¦ © ® À × ð
    EXPECT_FALSE(key_event_for_character(key, 0, pressing({})).has_value()) << int(key);
  }
}

TEST(KeyMapping, SpecialKeysKeepTheirModifiers) {
  struct Case {
    const char* what;
    int key;
    int modifiers;
    KeyEvent want;
  } cases[] = {
      {"F1", GLUT_KEY_F1, 0, {0, SpecialKey::F1}},
      {"Shift+F1", GLUT_KEY_F1, kShift, {0, SpecialKey::F1, true}},
      {"Alt+F4", GLUT_KEY_F4, kAlt, {0, SpecialKey::F4, false, false, true}},
      {"F12", GLUT_KEY_F12, 0, {0, SpecialKey::F12}},
      {"Ctrl+Up", GLUT_KEY_UP, kCtrl, {0, SpecialKey::Up, false, true}},
      {"Page Down", GLUT_KEY_PAGE_DOWN, 0, {0, SpecialKey::PageDown}},
      {"Home", GLUT_KEY_HOME, 0, {0, SpecialKey::Home}},
      {"Insert", GLUT_KEY_INSERT, 0, {0, SpecialKey::Insert}},
      {"Delete", GLUT_KEY_DELETE, 0, {0, SpecialKey::Delete}},
      {"left Shift alone", GLUT_KEY_SHIFT_L, kShift, {0, SpecialKey::Shift, true}},
      {"right Ctrl alone", GLUT_KEY_CTRL_R, kCtrl, {0, SpecialKey::Ctrl, false, true}},
      {"left Alt alone", GLUT_KEY_ALT_L, kAlt, {0, SpecialKey::Alt, false, false, true}},
  };
  for (const auto& c : cases) expect_event(key_event_for_special(c.key, c.modifiers), c.want, c.what);
  // Num Lock means what its press means (with Ctrl, Pause); Super has no use.
  EXPECT_FALSE(key_event_for_special(GLUT_KEY_NUM_LOCK, 0).has_value());
  EXPECT_FALSE(key_event_for_special(GLUT_KEY_SUPER_L, 0).has_value());
}

TEST(KeyMapping, XKeysFreeglutDoesNotDeliver) {
  constexpr unsigned kXShift = 1, kXCtrl = 4;
  struct Case {
    const char* what;
    unsigned long keysym;
    unsigned state;
    KeyEvent want;
  } cases[] = {
      {"Pause", XK_Pause, 0, {0, SpecialKey::Pause}},
      {"Ctrl+Pause as Pause", XK_Pause, kXCtrl, {0, SpecialKey::Break, false, true}},
      {"Ctrl+Break", XK_Break, kXCtrl, {0, SpecialKey::Break, false, true}},
      // The core keymap's Shift+Pause: the Pause key, which ends nothing without Ctrl.
      {"Shift+Pause as Break", XK_Break, kXShift, {0, SpecialKey::Pause, true}},
      {"Ctrl+Shift+Pause as Break", XK_Break, kXShift | kXCtrl, {0, SpecialKey::Break, true, true}},
      {"Scroll Lock", XK_Scroll_Lock, 0, {0, SpecialKey::ScrollLock}},
      {"Ctrl+Scroll Lock", XK_Scroll_Lock, kXCtrl, {0, SpecialKey::ScrollLock, false, true}},
      {"Ctrl+Num Lock", XK_Num_Lock, kXCtrl, {0, SpecialKey::NumLock, false, true}},
      {"Caps Lock", XK_Caps_Lock, 0, {0, SpecialKey::CapsLock}},
      {"Shift+Tab", XK_ISO_Left_Tab, kXShift, {0, SpecialKey::Tab, true}},
  };
  for (const auto& c : cases) expect_event(key_event_for_x_keysym(c.keysym, c.state), c.want, c.what);
  // Keys freeglut delivers itself are not delivered twice.
  for (unsigned long keysym : {XK_a, XK_Return, XK_F1, XK_Tab, XK_BackSpace}) {
    EXPECT_FALSE(key_event_for_x_keysym(keysym, 0).has_value()) << keysym;
  }
}

}  // namespace
}  // namespace window
