#include "console/key_down.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/key_down_test_support.h"

namespace console {
namespace {

TEST(KeystrokeFor, KeyTable) {
  struct Case {
    const char* name;
    KeyEvent event;
    int character, scan;
  } cases[] = {
      {"a", character('a'), 'a', 30},
      {"A with Shift", character('A', true), 'A', 30},
      {"digit 5", character('5'), '5', 6},
      {"blank", character(' '), ' ', 57},
      {"Enter", special(SpecialKey::Enter), 13, 28},
      {"Ctrl+Enter", special(SpecialKey::Enter, false, true), 10, 28},
      {"Backspace", special(SpecialKey::Backspace), 8, 14},
      {"Ctrl+Backspace", special(SpecialKey::Backspace, false, true), 127, 14},
      {"Tab", special(SpecialKey::Tab), 9, 15},
      {"Esc", special(SpecialKey::Escape), 27, 1},
      {"Ctrl+A", character('a', false, true), 1, 30},
      {"Ctrl+Z in capitals", character('Z', true, true), 26, 44},
      {"F1", special(SpecialKey::F1), 0, 59},
      {"F10", special(SpecialKey::F10), 0, 68},
      {"F11", special(SpecialKey::F11), 0, 133},
      {"F12", special(SpecialKey::F12), 0, 134},
      {"Home", special(SpecialKey::Home), 0, 71},
      {"Up", special(SpecialKey::Up), 0, 72},
      {"Page Up", special(SpecialKey::PageUp), 0, 73},
      {"Left", special(SpecialKey::Left), 0, 75},
      {"Right", special(SpecialKey::Right), 0, 77},
      {"End", special(SpecialKey::End), 0, 79},
      {"Down", special(SpecialKey::Down), 0, 80},
      {"Page Down", special(SpecialKey::PageDown), 0, 81},
      {"Insert", special(SpecialKey::Insert), 0, 82},
      {"Delete", special(SpecialKey::Delete), 0, 83},
      {"Shift+Tab", special(SpecialKey::Tab, true), 0, 15},
      {"Alt+A", character('a', false, false, true), 0, 30},
      {"Alt+1", character('1', false, false, true), 0, 120},
      {"Alt+0", character('0', false, false, true), 0, 129},
      {"Alt+Backspace", special(SpecialKey::Backspace, false, false, true), 0, 14},
      {"Shift+F1", special(SpecialKey::F1, true), 0, 84},
      {"Ctrl+F1", special(SpecialKey::F1, false, true), 0, 94},
      {"Alt+F1", special(SpecialKey::F1, false, false, true), 0, 104},
      {"Alt before Ctrl before Shift", special(SpecialKey::F1, true, true, true), 0, 104},
      {"Ctrl+Up", special(SpecialKey::Up, false, true), 0, 141},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    Keystroke out;
    ASSERT_TRUE(keystroke_for(k.event, out));
    EXPECT_EQ(out.character, k.character);
    EXPECT_EQ(out.scan, k.scan);
  }
}

TEST(KeystrokeFor, KeysWithoutCodesQueueNothing) {
  const KeyEvent none[] = {
      special(SpecialKey::Shift), special(SpecialKey::Ctrl), special(SpecialKey::Alt),
      special(SpecialKey::CapsLock), special(SpecialKey::NumLock), special(SpecialKey::ScrollLock),
      character('5', false, true),
  };
  for (const auto& e : none) {
    Keystroke out;
    EXPECT_FALSE(keystroke_for(e, out));
  }
}

class KeyDownTest : public ::testing::Test {
 protected:
  void press(const KeyEvent& e) { key_down_handler(e, keys, flags); }

  KeyQueue keys;
  ConsoleFlags flags;
};

TEST_F(KeyDownTest, ExitKeysSetTheExitRequestAndQueueNothing) {
  const KeyEvent exits[] = {special(SpecialKey::Break, false, true),
                            special(SpecialKey::ScrollLock, false, true),
                            special(SpecialKey::F4, false, false, true)};
  for (const auto& e : exits) {
    flags.exit_request = false;
    press(e);
    EXPECT_TRUE(flags.exit_request.load());
    EXPECT_TRUE(keys.empty());
  }
}

TEST_F(KeyDownTest, PauseLastsUntilTheNextKeyWhichIsNotQueued) {
  for (const auto& pause : {special(SpecialKey::Pause), special(SpecialKey::NumLock, false, true)}) {
    press(pause);
    EXPECT_TRUE(flags.pause.load());
    press(character('x'));
    EXPECT_FALSE(flags.pause.load());
    EXPECT_TRUE(keys.empty());
  }
  press(character('y'));
  Keystroke typed;
  ASSERT_TRUE(keys.pop(typed));
  EXPECT_EQ(typed.character, 'y');
}

}  // namespace
}  // namespace console
