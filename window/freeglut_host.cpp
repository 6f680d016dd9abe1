#include "window/freeglut_host.h"

#include <chrono>
#include <thread>

namespace window {

namespace {
constexpr auto kStopCheck = std::chrono::milliseconds(16);
}

bool FreeglutHost::ask_error_box(const std::string& title, const std::string& text) {
  return ask(title, text, true);
}

void FreeglutHost::show_fatal_box(const std::string& title, const std::string& text) {
  ask(title, text, false);
}

void FreeglutHost::nap(int milliseconds) {
  if (milliseconds <= 0) {
    std::this_thread::yield();
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
}

bool FreeglutHost::ask(const std::string& title, const std::string& text, bool yes_no) {
  std::unique_lock lock(mutex_);
  request_ = BoxRequest{++last_id_, title, text, yes_no};
  answer_.reset();
  while (!answer_) {
    if (flags_ && flags_->stop.load()) {
      answer_ = !yes_no;  // No, or OK
      break;
    }
    answered_.wait_for(lock, kStopCheck);
  }
  const bool yes = *answer_;
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
  answered_.notify_all();
}

}  // namespace window
