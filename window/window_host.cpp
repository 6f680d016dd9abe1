#include "window/window_host.h"

#include <chrono>
#include <thread>

namespace window {

bool WindowHost::ask_error_box(const std::string& title, const std::string& text) {
  return ask(title, text, true);
}

void WindowHost::show_fatal_box(const std::string& title, const std::string& text) {
  ask(title, text, false);
}

void WindowHost::nap(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool WindowHost::answered_or_stopped() const {
  std::lock_guard lock(mutex_);
  return answer_.has_value() || console_->flags.stop.load();
}

// The box sleeps on the console's wakeup, which both the answer and the stop flag
// notify. Without a console to wait on, the box counts as Yes.
bool WindowHost::ask(const std::string& title, const std::string& text, bool yes_no) {
  if (console_ == nullptr) return true;
  {
    std::lock_guard lock(mutex_);
    request_ = BoxRequest{++last_id_, title, text, yes_no};
    answer_.reset();
  }
  if (console_->display != nullptr) console_->display->ring();
  console_->flags.wakeup.wait_until([this] { return answered_or_stopped(); });
  std::lock_guard lock(mutex_);
  const bool yes = answer_.value_or(!yes_no);  // stopped: No, or OK
  request_.reset();
  answer_.reset();
  return yes;
}

std::optional<BoxRequest> WindowHost::shown_box() const {
  std::lock_guard lock(mutex_);
  if (answer_) return std::nullopt;
  return request_;
}

void WindowHost::answer_box(std::uint64_t id, bool yes) {
  {
    std::lock_guard lock(mutex_);
    if (!request_ || request_->id != id || answer_) return;
    answer_ = yes;
  }
  if (console_ != nullptr) console_->flags.wakeup.notify();
}

}  // namespace window
