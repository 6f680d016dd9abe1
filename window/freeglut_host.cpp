#include "window/freeglut_host.h"

#include <chrono>
#include <thread>

namespace window {

bool FreeglutHost::ask_error_box(const std::string& title, const std::string& text) {
  return ask(title, text, true);
}

void FreeglutHost::show_fatal_box(const std::string& title, const std::string& text) {
  ask(title, text, false);
}

void FreeglutHost::nap(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool FreeglutHost::answered_or_stopped() {
  std::lock_guard lock(mutex_);
  return answer_.has_value() || (flags_ && flags_->stop.load());
}

// The box sleeps on the console's wakeup, which both the answer and the stop flag
// notify.
bool FreeglutHost::ask(const std::string& title, const std::string& text, bool yes_no) {
  {
    std::lock_guard lock(mutex_);
    request_ = BoxRequest{++last_id_, title, text, yes_no};
    answer_.reset();
  }
  if (flags_) flags_->wakeup.wait_until([this] { return answered_or_stopped(); });
  std::lock_guard lock(mutex_);
  const bool yes = answer_.value_or(!yes_no);  // stopped: No, or OK
  request_.reset();
  answer_.reset();
  return yes;
}

std::optional<BoxRequest> FreeglutHost::shown_box() const {
  std::lock_guard lock(mutex_);
  if (answer_) return std::nullopt;
  return request_;
}

void FreeglutHost::answer_box(std::uint64_t id, bool yes) {
  {
    std::lock_guard lock(mutex_);
    if (!request_ || request_->id != id || answer_) return;
    answer_ = yes;
  }
  if (flags_) flags_->wakeup.notify();
}

}  // namespace window
