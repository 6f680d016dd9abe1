#include "console/scripted_host.h"

namespace console {

KeyEvent key_for_character(char c) {
  KeyEvent e;
  switch (c) {
    case '\r': e.special = SpecialKey::Enter; break;
    case '\b': e.special = SpecialKey::Backspace; break;
    case '\t': e.special = SpecialKey::Tab; break;
    case '\x1b': e.special = SpecialKey::Escape; break;
    default: e.character = static_cast<std::uint8_t>(c); break;
  }
  return e;
}

void ScriptedHost::type(const std::string& characters) {
  for (char c : characters) keys_.push_back(key_for_character(c));
}

void ScriptedHost::type(const KeyEvent& event) { keys_.push_back(event); }

void ScriptedHost::answer_boxes(std::initializer_list<bool> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

bool ScriptedHost::ask_error_box(const std::string& title, const std::string& text) {
  boxes_.push_back({title, text});
  if (answers_.empty()) {
    stop_program();
    return true;
  }
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

void ScriptedHost::show_fatal_box(const std::string& title, const std::string& text) {
  fatal_boxes_.push_back({title, text});
}

// A nap of some length is a wait of the program: the moment to type the next key.
void ScriptedHost::nap(int milliseconds) {
  if (milliseconds <= 0 || console_ == nullptr || !console_->keys.empty()) return;
  if (keys_.empty()) return stop_program();
  key_down_handler(keys_.front(), console_->keys, console_->flags);
  keys_.pop_front();
}

void ScriptedHost::stop_program() {
  if (console_ != nullptr) console_->flags.stop.store(true);
}

}  // namespace console
