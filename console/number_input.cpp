#include "console/number_input.h"

#include "console/keyboard.h"
#include "console/number_line.h"
#include "console/screen.h"

namespace console {

namespace {

constexpr std::size_t kLongestLine = 255;

// What line input keeps while it waits: the page as it was before the first typed
// character, and the line typed so far.
struct TypedLine {
  PageSnapshot before;
  std::string text;
};

// Puts the page back and prints the line again, so that a line that had wrapped into
// the next row or scrolled the screen is undone as well.
void redraw(Console& console, const TypedLine& line) {
  console.page.restore(line.before);
  print_to_screen(console, line.text, false);
}

void type_character(Console& console, TypedLine& line, char c) {
  if (line.text.size() >= kLongestLine) return;
  line.text += c;
  print_to_screen(console, std::string(1, c), false);
  if (number_line_accepted(line.text)) return;
  line.text.pop_back();
  redraw(console, line);
}

void erase_last_character(Console& console, TypedLine& line) {
  if (line.text.empty()) return;
  line.text.pop_back();
  redraw(console, line);
}

// Tab types blanks up to the next multiple of 8; the number rules refuse every one.
void type_tab(Console& console, TypedLine& line) {
  const std::size_t blanks = 8 - line.text.size() % 8;
  for (std::size_t i = 0; i < blanks; ++i) type_character(console, line, ' ');
}

std::string wait_for_keystroke(Console& console) {
  for (;;) {
    std::string key = poll_key(console);
    if (key.size() == 1) return key;
    if (console.flags.stop.load()) halt_program_thread(console);
    if (key.empty()) await_key(console, InputWait::NumberLine);
  }
}

// Acts on one typed character; returns false for Enter, which ends the line.
bool act_on_character(Console& console, TypedLine& line, unsigned char c) {
  switch (c) {
    case 13: return false;
    case 8: erase_last_character(console, line); break;
    case 9: type_tab(console, line); break;
    case 7: print_to_screen(console, "\a", false); break;
    case 10: case 11: case 12: case 28: case 29: case 30: case 31: break;
    default: type_character(console, line, static_cast<char>(c)); break;
  }
  return true;
}

}  // namespace

float input_keyboard(Console& console, const std::string& prompt, bool question_form) {
  // No key can be polled while an error is pending: the wait would never end.
  if (error_pending(console.errors)) return 0.0f;
  print_to_screen(console, prompt, false);
  if (question_form) print_to_screen(console, "? ", false);
  const bool was_visible = console.page.cursor_visible();
  console.page.set_cursor_visible(true);
  TypedLine line{console.page.snapshot(), {}};
  while (act_on_character(console, line, static_cast<unsigned char>(wait_for_keystroke(console)[0]))) {
  }
  console.page.set_cursor_visible(was_visible);
  print_to_screen(console, "", true);
  return number_line_value(line.text);
}

}  // namespace console
