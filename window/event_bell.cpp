#include "window/event_bell.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace window {

EventBell::EventBell() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

EventBell::~EventBell() {
  if (fd_ >= 0) close(fd_);
}

void EventBell::ring() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(fd_, &one, sizeof one);
}

bool EventBell::clear() {
  std::uint64_t count = 0;
  return read(fd_, &count, sizeof count) == static_cast<ssize_t>(sizeof count) && count > 0;
}

}  // namespace window
