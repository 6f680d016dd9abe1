#include "console/wakeup.h"

namespace console {

void Wakeup::notify() {
  { std::lock_guard lock(mutex_); }
  changed_.notify_all();
}

void Wakeup::wait_until(const std::function<bool()>& ready) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, ready);
}

bool Wakeup::wait_until(const std::function<bool()>& ready, std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, limit, ready);
}

}  // namespace console
