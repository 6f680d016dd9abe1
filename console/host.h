// What the console needs of the world around it: a way to ask the user about an
// error, to tell the user about a fatal error, to let time pass, and to wait for what
// the user does next. The window provides the real one; tests provide a scripted one.
#pragma once

#include <functional>
#include <string>

#include "console/wakeup.h"

namespace console {

// The waits of the program thread for the user.
enum class InputWait {
  KeyCommand,  // one key at the output question or after a card
  NumberLine,  // the next keystroke of a number typed at a prompt
  EndPrompt,   // one key after "Press any key to continue"
  Pause,       // the key that ends the pause
};

class ConsoleHost {
 public:
  virtual ~ConsoleHost() = default;

  // Shows the error box (title, three lines of text separated by line feeds, Yes and
  // No) and waits for the answer. Returns true for Yes. A box that cannot be shown
  // counts as Yes.
  virtual bool ask_error_box(const std::string& title, const std::string& text) = 0;

  // Shows the fatal box (title, text, OK) and waits until it is answered.
  virtual void show_fatal_box(const std::string& title, const std::string& text) = 0;

  // Sleeps for about the given time (the pause of a bell character).
  virtual void nap(int milliseconds) = 0;

  // The program thread waits for the user: sleeps on `wakeup` until `ready` holds
  // (a key queued, the pause ended, the stop flag set). A host may return before that
  // (the scripted host types its next key instead); the caller looks again.
  virtual void wait_for_input(InputWait what, Wakeup& wakeup, const std::function<bool()>& ready) {
    (void)what;
    wakeup.wait_until(ready);
  }
};

}  // namespace console
