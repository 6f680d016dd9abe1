#include "window/key_log.h"

#include <GL/freeglut.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace window {
namespace {

using console::SpecialKey;

constexpr unsigned kXShift = 1, kXCtrl = 4;

// A small keyboard: each key's keysym and what the Latin-1 lookup types for it,
// plain and with Ctrl (the X server's control characters).
struct Key {
  const char* name;
  unsigned keycode;
  unsigned long keysym;
  int text;       // -1: types nothing
  int ctrl_text;  // with Ctrl held
};

constexpr Key KEYBOARD[] = {
    {"1", 10, XK_1, '1', '1'},           {"2", 11, XK_2, '2', 0},
    {"9", 18, XK_9, '9', '9'},           {"3", 12, XK_3, '3', 27},
    {"5", 14, XK_5, '5', 29},            {"BackSpace", 22, XK_BackSpace, 8, 8},
    {"Return", 36, XK_Return, 13, 13},   {"h", 43, XK_h, 'h', 8},
    {"m", 58, XK_m, 'm', 13},            {"Escape", 9, XK_Escape, 27, 27},
    {"Control_L", 37, XK_Control_L, -1, -1}, {"Pause", 127, XK_Pause, -1, -1},
    {"Left", 113, XK_Left, -1, -1},      {"Menu", 135, XK_Menu, -1, -1},
    {"Tab", 23, XK_Tab, 9, 9},           {"F5", 71, XK_F5, -1, -1},
};

std::string name_of(unsigned long keysym) {
  for (const Key& k : KEYBOARD) {
    if (k.keysym == keysym) return k.name;
  }
  return std::to_string(keysym);
}

PressLookup look_up(unsigned keycode, unsigned state) {
  for (const Key& k : KEYBOARD) {
    if (k.keycode != keycode) continue;
    // Shift with Tab gives the keysym freeglut knows nothing of.
    if (k.keysym == XK_Tab && (state & kXShift)) return PressLookup{XK_ISO_Left_Tab, std::nullopt};
    const int text = (state & kXCtrl) ? k.ctrl_text : k.text;
    PressLookup lookup{k.keysym, std::nullopt};
    if (text >= 0) lookup.text = static_cast<unsigned char>(text);
    return lookup;
  }
  return PressLookup{};
}

LoggedEvent press(unsigned long keysym, unsigned state = 0) {
  for (const Key& k : KEYBOARD) {
    if (k.keysym == keysym) return LoggedEvent{k.keycode, state, false};
  }
  ADD_FAILURE() << "no key for " << keysym;
  return LoggedEvent{};
}

const LoggedEvent DESTROYED{0, 0, true};

FreeglutReport typed(int character) { return FreeglutReport{false, character}; }
FreeglutReport special(int glut_key) { return FreeglutReport{true, glut_key}; }

// A delivered event as a word: the key (with its Shift and Ctrl) or "destroyed".
std::string word_of(const XWindowEvent& event) {
  if (event.destroyed) return "destroyed";
  if (!event.key) return "(nothing)";
  std::string word;
  switch (event.key->special) {
    case SpecialKey::Pause: word = "Pause"; break;
    case SpecialKey::Break: word = "Break"; break;
    case SpecialKey::Tab: word = "Tab"; break;
    case SpecialKey::NumLock: word = "NumLock"; break;
    default: word = "other"; break;
  }
  if (event.key->shift) word = "Shift+" + word;
  if (event.key->ctrl) word = "Ctrl+" + word;
  return word;
}

// Runs the reports against a log of the presses, as freeglut's callbacks and the
// platform's end of a batch do, and writes down in order what comes out: each
// delivered event as its word, each report as the keysym of the press it took in
// brackets ("[none]" when it took none), and after "|" what the rest of the log gives.
std::vector<std::string> run(const std::vector<LoggedEvent>& presses, const std::vector<FreeglutReport>& reports) {
  std::vector<std::string> out;
  KeyLog log(look_up, [&out](const XWindowEvent& e) { out.push_back(word_of(e)); });
  for (const LoggedEvent& e : presses) log.note(e);
  for (const FreeglutReport& r : reports) {
    const auto taken = log.take_reported(r);
    out.push_back("[" + (taken ? name_of(taken->keysym) : "none") + "]");
  }
  out.push_back("|");
  log.take_rest();
  EXPECT_TRUE(log.empty());
  return out;
}

using Words = std::vector<std::string>;

TEST(KeyLog, EachReportedKeyTakesItsOwnPressAndTheKeysFreeglutSkipsComeInTheirPlace) {
  struct Case {
    const char* what;
    std::vector<LoggedEvent> presses;
    std::vector<FreeglutReport> reports;
    Words want;
  } cases[] = {
      {"1, Pause, 9, 2, Pause, 9, 3 at once",
       {press(XK_1), press(XK_Pause), press(XK_9), press(XK_2), press(XK_Pause), press(XK_9), press(XK_3)},
       {typed('1'), typed('9'), typed('2'), typed('9'), typed('3')},
       {"[1]", "Pause", "[9]", "[2]", "Pause", "[9]", "[3]", "|"}},
      {"Ctrl+Backspace, Ctrl+Enter, Ctrl+H: the same characters as Ctrl+H and Ctrl+M, told by the press",
       {press(XK_Control_L), press(XK_BackSpace, kXCtrl), press(XK_Control_L), press(XK_Return, kXCtrl),
        press(XK_Control_L), press(XK_h, kXCtrl), press(XK_Control_L), press(XK_m, kXCtrl)},
       {special(GLUT_KEY_CTRL_L), typed(8), special(GLUT_KEY_CTRL_L), typed(13), special(GLUT_KEY_CTRL_L),
        typed(8), special(GLUT_KEY_CTRL_L), typed(13)},
       {"[Control_L]", "[BackSpace]", "[Control_L]", "[Return]", "[Control_L]", "[h]", "[Control_L]", "[m]", "|"}},
      {"Ctrl+3 and Esc give 27 each",
       {press(XK_3, kXCtrl), press(XK_Escape)},
       {typed(27), typed(27)},
       {"[3]", "[Escape]", "|"}},
      {"keys after the last reported one wait for the end of the batch",
       {press(XK_1), press(XK_Pause), press(XK_Tab, kXShift), press(XK_Pause, kXCtrl)},
       {typed('1')},
       {"[1]", "|", "Pause", "Shift+Tab", "Ctrl+Break"}},
      {"a press freeglut reports nothing for goes without a trace",
       {press(XK_Menu), press(XK_Pause), press(XK_Left), press(XK_Menu), press(XK_5)},
       {special(GLUT_KEY_LEFT), typed('5')},
       {"Pause", "[Left]", "[5]", "|"}},
      {"the window's end keeps its place after the keys before it",
       {press(XK_1), press(XK_Pause), DESTROYED},
       {typed('1')},
       {"[1]", "|", "Pause", "destroyed"}},
      {"a report no logged press gives takes none and leaves the log as it is",
       {press(XK_Pause), press(XK_5)},
       {special(GLUT_KEY_F5), typed('5')},
       {"[none]", "Pause", "[5]", "|"}},
      {"a report before its press has come takes none",
       {},
       {typed('1')},
       {"[none]", "|"}},
  };
  for (const auto& c : cases) EXPECT_EQ(run(c.presses, c.reports), c.want) << c.what;
}

// A lookup may wait for the server (the keyboard mapping read anew), and the
// connection may receive more events meanwhile: the log notes them at its end, and
// they keep their place after what it held.
TEST(KeyLog, EventsReceivedDuringALookupComeAfterTheOthers) {
  KeyLog* self = nullptr;
  int lookups = 0;
  const auto look_up_and_receive_more = [&](unsigned keycode, unsigned state) {
    if (lookups++ == 0) {
      for (int i = 0; i < 64; ++i) self->note(press(XK_Pause));
      self->note(press(XK_Tab, kXShift));
    }
    return look_up(keycode, state);
  };
  std::vector<std::string> out;
  KeyLog log(look_up_and_receive_more, [&out](const XWindowEvent& e) { out.push_back(word_of(e)); });
  self = &log;
  log.note(press(XK_Pause, kXCtrl));
  log.note(press(XK_1));
  const auto taken = log.take_reported(typed('1'));
  ASSERT_TRUE(taken.has_value());
  EXPECT_EQ(taken->keysym, XK_1);
  EXPECT_EQ(out, Words{"Ctrl+Break"});
  out.clear();
  log.take_rest();
  ASSERT_EQ(out.size(), 65u);
  EXPECT_EQ(out.front(), "Pause");
  EXPECT_EQ(out.back(), "Shift+Tab");
}

}  // namespace
}  // namespace window
