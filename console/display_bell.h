// The program thread's way to wake the display, which otherwise sleeps: the page rings
// it at its first change after the display last took the changes, and the program
// rings it when it asks for the exit. The window provides the bell; rung on the
// program thread, it must be quick and must never wait.
#pragma once

namespace console {

class DisplayBell {
 public:
  virtual void ring() = 0;

 protected:
  ~DisplayBell() = default;
};

}  // namespace console
