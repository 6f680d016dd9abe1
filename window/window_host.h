// The console's host in the real window. The error box and the fatal box are asked
// for on the program thread and shown by the window thread: the program thread posts
// the box, rings the display and sleeps on the console's wakeup until the window
// thread has the answer, while the window goes on drawing. Once the exit has begun
// (the stop flag), a box waiting for its answer is answered No (or OK), so the exit
// never waits for a box that nobody will answer.
//
// Nothing here draws; the window asks for the box to show with `shown_box` and
// reports the user's answer with `answer_box`.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "console/console.h"
#include "console/host.h"

namespace window {

struct BoxRequest {
  std::uint64_t id = 0;  // a new id for every box shown
  std::string title;
  std::string text;
  bool yes_no = true;  // Yes and No; else OK alone
};

class WindowHost : public console::ConsoleHost {
 public:
  // The console whose flags the box sleeps on and whose display it rings. REQUIRES:
  // called before the program thread starts.
  void attach(console::Console& console) { console_ = &console; }

  // Program thread.
  bool ask_error_box(const std::string& title, const std::string& text) override;
  void show_fatal_box(const std::string& title, const std::string& text) override;
  void nap(int milliseconds) override;

  // Window thread: the box waiting for its answer, if any.
  std::optional<BoxRequest> shown_box() const;
  // Window thread: answers the box `id` (ignored when that box is no longer shown).
  void answer_box(std::uint64_t id, bool yes);

 private:
  bool ask(const std::string& title, const std::string& text, bool yes_no);
  bool answered_or_stopped() const;

  console::Console* console_ = nullptr;
  mutable std::mutex mutex_;
  std::optional<BoxRequest> request_;
  std::optional<bool> answer_;
  std::uint64_t last_id_ = 0;
};

}  // namespace window
