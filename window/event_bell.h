// The display's bell as the window thread sleeps on it: a Linux eventfd that the
// program thread writes when it rings (one system call, never waiting) and that the
// window thread's event loop watches beside its X connection.
#pragma once

#include "console/display_bell.h"

namespace window {

class EventBell : public console::DisplayBell {
 public:
  EventBell();
  ~EventBell();
  EventBell(const EventBell&) = delete;
  EventBell& operator=(const EventBell&) = delete;

  void ring() override;
  // The descriptor that is readable while the bell has rung and not been cleared.
  int fd() const { return fd_; }
  // Returns whether the bell had rung, and makes it quiet again.
  bool clear();

 private:
  int fd_ = -1;
};

}  // namespace window
