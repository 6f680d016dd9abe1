#include "console/scripted_host.h"

#include "console/screen.h"

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
  for (char c : characters) keys_.push_back({key_for_character(c)});
}

void ScriptedHost::type(const KeyEvent& event) { keys_.push_back({event}); }

void ScriptedHost::type_ahead(const std::string& characters) {
  std::vector<KeyEvent> group;
  for (char c : characters) group.push_back(key_for_character(c));
  keys_.push_back(group);
}

void ScriptedHost::answer_boxes(std::initializer_list<bool> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

namespace {

std::vector<std::string> screen_rows(const Console* console) {
  std::vector<std::string> rows;
  if (console == nullptr) return rows;
  for (int r = 1; r <= kPageRows; ++r) rows.push_back(page_text_row(console->page, r));
  return rows;
}

}  // namespace

bool ScriptedHost::ask_error_box(const std::string& title, const std::string& text) {
  boxes_.push_back({title, text, screen_rows(console_)});
  if (answers_.empty()) {
    stop_program();
    return true;
  }
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

void ScriptedHost::show_fatal_box(const std::string& title, const std::string& text) {
  fatal_boxes_.push_back({title, text, screen_rows(console_)});
}

// Time does not pass in a script.
void ScriptedHost::nap(int) {}

// A wait of the program with an empty queue is the moment to type the next key.
void ScriptedHost::wait_for_input(InputWait, Wakeup&, const std::function<bool()>&) {
  if (console_ == nullptr || !console_->keys.empty()) return;
  if (keys_.empty()) return stop_program();
  for (const KeyEvent& key : keys_.front()) key_down_handler(key, console_->keys, console_->flags);
  keys_.pop_front();
}

void ScriptedHost::stop_program() {
  if (console_ != nullptr) console_->flags.stop.store(true);
}

}  // namespace console
