// The one line the window writes to standard error when the program cannot go on
// because of its display: it cannot be opened, the connection was lost, the window
// could not be made. However such a failure unfolds (the connection lost while
// freeglut reports its own error, a crash after the loss), the user reads one line:
// the first failure line is written, every later one is not.
//
// While the window is being made, a crash inside the GL driver or Xlib (a reply read
// that the lost connection never gave) ends the process with that one line too,
// through a crash guard that is in place only for as long as it lives, so every other
// crash stays a crash that sanitizers and core dumps see.
#pragma once

#include <csignal>
#include <string>

namespace window {

// Writes `line` (ending in a line end) unless a failure line was written before. Safe
// in a signal handler: an atomic flag and write(2) alone.
void write_failure_line(const char* line);

// While one lives, a SIGSEGV or SIGBUS writes its line and ends the process with exit
// code 1; the handlers it replaced come back when it goes. REQUIRES: one at a time.
class CrashGuard {
 public:
  explicit CrashGuard(const std::string& line);
  ~CrashGuard();
  CrashGuard(const CrashGuard&) = delete;
  CrashGuard& operator=(const CrashGuard&) = delete;

 private:
  struct sigaction previous_segv_ {};
  struct sigaction previous_bus_ {};
};

}  // namespace window
