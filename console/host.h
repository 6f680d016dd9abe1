// What the console needs of the world around it: a way to ask the user about an
// error, to tell the user about a fatal error, and to let time pass. The window
// provides the real one; tests provide a scripted one.
#pragma once

#include <string>

namespace console {

class ConsoleHost {
 public:
  virtual ~ConsoleHost() = default;

  // Shows the error box (title, three lines of text separated by line feeds, Yes and
  // No) and waits for the answer. Returns true for Yes. A box that cannot be shown
  // counts as Yes.
  virtual bool ask_error_box(const std::string& title, const std::string& text) = 0;

  // Shows the fatal box (title, text, OK) and waits until it is answered.
  virtual void show_fatal_box(const std::string& title, const std::string& text) = 0;

  // Sleeps for about the given time; 0 gives up the processor once.
  virtual void nap(int milliseconds) = 0;
};

}  // namespace console
