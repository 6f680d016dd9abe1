#include "window/key_log.h"

#include <gtest/gtest.h>
// Xlib's macros (None, Bool) come after GoogleTest, whose own names they would take.
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace window {
namespace {

using console::SpecialKey;

constexpr unsigned kXShift = 1, kXCtrl = 4;

// A small keyboard: each key's keysym and what the Latin-1 lookup types for it,
// plain and with Ctrl (the X server's control characters), and its keysym with Shift
// where that is another one.
struct Key {
  unsigned keycode;
  unsigned long keysym;
  int text;       // -1: types nothing
  int ctrl_text;  // with Ctrl held
  unsigned long shifted = 0;
};

constexpr Key KEYBOARD[] = {
    {10, XK_1, '1', '1'},         {11, XK_2, '2', 0},
    {18, XK_9, '9', '9'},         {12, XK_3, '3', 27},
    {14, XK_5, '5', 29},          {22, XK_BackSpace, 8, 8},
    {36, XK_Return, 13, 13},      {43, XK_h, 'h', 8},
    {58, XK_m, 'm', 13},          {9, XK_Escape, 27, 27},
    {37, XK_Control_L, -1, -1},   {127, XK_Pause, -1, -1},
    {113, XK_Left, -1, -1},       {135, XK_Menu, -1, -1},
    {23, XK_Tab, 9, 9, XK_ISO_Left_Tab}, {71, XK_F5, -1, -1},
    {108, XK_Alt_R, -1, -1, XK_Meta_R},  {134, XK_Super_R, -1, -1},
    {77, XK_Num_Lock, -1, -1},
};

std::string name_of(unsigned long keysym) {
  const char* name = XKeysymToString(keysym);
  return name ? name : std::to_string(keysym);
}

PressLookup look_up(unsigned keycode, unsigned state) {
  for (const Key& k : KEYBOARD) {
    if (k.keycode != keycode) continue;
    // Shift with Tab gives a keysym freeglut knows nothing of; Shift with Alt_R gives
    // Meta_R, which freeglut reports as a special key of its own choosing.
    if (k.shifted && (state & kXShift)) return PressLookup{k.shifted, std::nullopt};
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

// freeglut's connection as the log sees it: the log notes each event it receives, and
// the event waits in the queue until freeglut takes it out, in order, and reports it
// or not. What comes out is written down in order: each delivered event as its word,
// each report as the name of the press it took in brackets ("[none]" when it took
// none), and "|" at the end of each batch of freeglut's, after which the log gives
// what freeglut handled without a report.
class Connection {
 public:
  Connection()
      : log_([this](unsigned keycode, unsigned state) { return look_up_receiving(keycode, state); },
             [this](const XWindowEvent& e) { out.push_back(word_of(e)); }) {}

  void receive(const LoggedEvent& event) {
    log_.note(event);
    queue_.push_back(event);
  }
  // freeglut takes the next event out of its queue and reports it (a key callback) or
  // not.
  void handle(bool reported) {
    queue_.pop_front();
    if (reported) report();
  }
  void report() {
    const auto taken = log_.take_reported(log_.left_queue(queue_.size()));
    out.push_back("[" + (taken ? name_of(taken->lookup.keysym) : "none") + "]");
  }
  void end_batch() {
    out.push_back("|");
    log_.take_handled(log_.left_queue(queue_.size()));
  }
  bool log_empty() const { return log_.empty(); }

  std::vector<std::string> out;
  // Runs during the next lookup, as when the connection is read while Xlib waits for
  // the server.
  std::function<void()> during_next_lookup;

 private:
  PressLookup look_up_receiving(unsigned keycode, unsigned state) {
    if (const auto receive_more = std::exchange(during_next_lookup, nullptr)) receive_more();
    return look_up(keycode, state);
  }

  KeyLog log_;
  std::deque<LoggedEvent> queue_;
};

// A logged event with whether freeglut reports it.
struct Step {
  LoggedEvent event;
  bool reported;
};
Step reported(unsigned long keysym, unsigned state = 0) { return {press(keysym, state), true}; }
Step skipped(unsigned long keysym, unsigned state = 0) { return {press(keysym, state), false}; }
const Step WINDOW_END{DESTROYED, false};

// The events all received at once, then handled by freeglut in one batch.
std::vector<std::string> run(const std::vector<Step>& steps) {
  Connection connection;
  for (const Step& s : steps) connection.receive(s.event);
  for (const Step& s : steps) connection.handle(s.reported);
  connection.end_batch();
  EXPECT_TRUE(connection.log_empty());
  return connection.out;
}

using Words = std::vector<std::string>;

TEST(KeyLog, EachReportedKeyTakesItsOwnPressAndTheKeysFreeglutSkipsComeInTheirPlace) {
  struct Case {
    const char* what;
    std::vector<Step> steps;
    Words want;
  } cases[] = {
      {"1, Pause, 9, 2, Pause, 9, 3 at once",
       {reported(XK_1), skipped(XK_Pause), reported(XK_9), reported(XK_2), skipped(XK_Pause), reported(XK_9),
        reported(XK_3)},
       {"[1]", "Pause", "[9]", "[2]", "Pause", "[9]", "[3]", "|"}},
      {"Ctrl+Backspace, Ctrl+Enter, Ctrl+H: the same characters as Ctrl+H and Ctrl+M, told by the press",
       {reported(XK_Control_L), reported(XK_BackSpace, kXCtrl), reported(XK_Control_L), reported(XK_Return, kXCtrl),
        reported(XK_Control_L), reported(XK_h, kXCtrl), reported(XK_Control_L), reported(XK_m, kXCtrl)},
       {"[Control_L]", "[BackSpace]", "[Control_L]", "[Return]", "[Control_L]", "[h]", "[Control_L]", "[m]", "|"}},
      {"Ctrl+3 and Esc give 27 each", {reported(XK_3, kXCtrl), reported(XK_Escape)}, {"[3]", "[Escape]", "|"}},
      {"keys after the last reported one come once freeglut has handled them",
       {reported(XK_1), skipped(XK_Pause), skipped(XK_Tab, kXShift), skipped(XK_Pause, kXCtrl)},
       {"[1]", "|", "Pause", "Shift+Tab", "Ctrl+Break"}},
      {"a press freeglut reports nothing for goes without a trace",
       {skipped(XK_Menu), skipped(XK_Pause), reported(XK_Left), skipped(XK_Menu), reported(XK_5)},
       {"Pause", "[Left]", "[5]", "|"}},
      {"the window's end keeps its place after the keys before it",
       {reported(XK_1), skipped(XK_Pause), WINDOW_END},
       {"[1]", "|", "Pause", "destroyed"}},
      {"Shift+Alt_R (Meta_R) and Super_R, whatever freeglut reports for them, take their own presses",
       {reported(XK_1), reported(XK_2), reported(XK_Alt_R, kXShift), reported(XK_BackSpace, kXCtrl),
        reported(XK_Super_R), reported(XK_5)},
       {"[1]", "[2]", "[Meta_R]", "[BackSpace]", "[Super_R]", "[5]", "|"}},
      {"a freeglut that reports a Pause or skips F5 moves no other press",
       {reported(XK_1), reported(XK_Pause), skipped(XK_F5), reported(XK_9)},
       {"[1]", "[Pause]", "[9]", "|"}},
  };
  for (const auto& c : cases) EXPECT_EQ(run(c.steps), c.want) << c.what;
}

// A reported press also says what it means on its own: Ctrl+Num Lock, which freeglut
// reports as a special key the console has no use for, is Ctrl+Num Lock (the pause);
// a letter or a digit means nothing on its own, freeglut's report says it.
TEST(KeyLog, AReportedPressSaysWhatItMeansOnItsOwn) {
  KeyLog log(look_up, [](const XWindowEvent&) {});
  log.note(press(XK_Num_Lock, kXCtrl));
  log.note(press(XK_5));
  const auto num_lock = log.take_reported(1);
  ASSERT_TRUE(num_lock && num_lock->own_key);
  EXPECT_EQ(num_lock->own_key->special, SpecialKey::NumLock);
  EXPECT_TRUE(num_lock->own_key->ctrl);
  const auto five = log.take_reported(1);
  ASSERT_TRUE(five);
  EXPECT_FALSE(five->own_key.has_value());
}

// A report takes nothing while no logged event has left the queue (the press came
// before the log began), nor when the last to leave it is the window's end; the log
// is left as it was.
TEST(KeyLog, AReportWithoutAHandledPressTakesNone) {
  Connection connection;
  connection.report();
  connection.receive(press(XK_Pause));
  connection.receive(DESTROYED);
  connection.report();
  connection.handle(false);
  connection.handle(false);
  connection.report();
  connection.end_batch();
  EXPECT_EQ(connection.out, (Words{"[none]", "[none]", "[none]", "|", "Pause", "destroyed"}));
}

// A lookup may wait for the server (the keyboard mapping read anew), and the
// connection may receive more events meanwhile: the log notes them at its end, they
// keep their place after what it held, and they wait in the queue until freeglut has
// handled them, also when the lookup is one of the end of a batch.
TEST(KeyLog, EventsReceivedDuringALookupWaitForFreeglut) {
  Connection connection;
  connection.during_next_lookup = [&connection] {
    for (int i = 0; i < 64; ++i) connection.receive(press(XK_Pause));
    connection.receive(press(XK_Tab, kXShift));
  };
  connection.receive(press(XK_Pause, kXCtrl));
  connection.receive(press(XK_1));
  connection.handle(false);
  connection.handle(true);
  for (int i = 0; i < 65; ++i) connection.handle(false);
  connection.end_batch();
  ASSERT_EQ(connection.out.size(), 68u);
  EXPECT_EQ(Words(connection.out.begin(), connection.out.begin() + 4), (Words{"Ctrl+Break", "[1]", "|", "Pause"}));
  EXPECT_EQ(connection.out.back(), "Shift+Tab");

  // A Ctrl+Backspace that comes while the end of a batch looks up the Pause before it
  // is freeglut's to report, and its report takes it.
  Connection batch_end;
  batch_end.receive(press(XK_1));
  batch_end.receive(press(XK_Pause));
  batch_end.handle(true);
  batch_end.handle(false);
  batch_end.during_next_lookup = [&batch_end] { batch_end.receive(press(XK_BackSpace, kXCtrl)); };
  batch_end.end_batch();
  batch_end.handle(true);
  batch_end.end_batch();
  EXPECT_EQ(batch_end.out, (Words{"[1]", "|", "Pause", "[BackSpace]", "|"}));
}

}  // namespace
}  // namespace window
