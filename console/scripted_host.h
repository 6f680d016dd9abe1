// A host for tests: keys are typed from a script whenever the program waits with an
// empty key queue, error boxes are answered from a list, and the program is stopped
// cleanly (as by the window's exit) when the program waits and the script has run out.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/key_down.h"

namespace console {

struct ShownBox {
  std::string title;
  std::string text;
  std::vector<std::string> screen;  // the 25 rows as the box found them, UTF-8, trimmed
};

class ScriptedHost : public ConsoleHost {
 public:
  void attach(Console& console) { console_ = &console; }

  // Keys to type, one by one, each when the program waits for a key.
  void type(const std::string& characters);
  void type(const KeyEvent& event);
  // Keys typed all at once at the next wait, as a user typing ahead of the program.
  void type_ahead(const std::string& characters);
  // Answers for the error boxes, in order (true = Yes).
  void answer_boxes(std::initializer_list<bool> answers);

  bool ask_error_box(const std::string& title, const std::string& text) override;
  void show_fatal_box(const std::string& title, const std::string& text) override;
  void nap(int milliseconds) override;
  // The program waits: types the next key of the script (or stops the program when the
  // script has run out) instead of sleeping.
  void wait_for_input(InputWait what, Wakeup& wakeup, const std::function<bool()>& ready) override;

  const std::vector<ShownBox>& boxes() const { return boxes_; }
  const std::vector<ShownBox>& fatal_boxes() const { return fatal_boxes_; }
  std::size_t keys_left() const { return keys_.size(); }

 private:
  void stop_program();

  Console* console_ = nullptr;
  std::deque<std::vector<KeyEvent>> keys_;
  std::deque<bool> answers_;
  std::vector<ShownBox> boxes_;
  std::vector<ShownBox> fatal_boxes_;
};

// Turns a character of a script into the key event that types it: "\r" is Enter,
// "\b" Backspace, "\t" Tab, "\x1b" Esc; other bytes are typed as themselves.
KeyEvent key_for_character(char c);

}  // namespace console
