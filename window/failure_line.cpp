#include "window/failure_line.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace window {

namespace {

std::atomic<bool> line_written{false};

// The crash guard's line, kept where its handler can read it without allocating.
char crash_line[512];

void write_all(const char* text, std::size_t length) {
  while (length > 0) {
    const ssize_t n = write(STDERR_FILENO, text, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    text += n;
    length -= static_cast<std::size_t>(n);
  }
}

[[noreturn]] void end_on_crash(int) {
  write_failure_line(crash_line);
  _exit(1);
}

}  // namespace

void write_failure_line(const char* line) {
  if (line_written.exchange(true)) return;
  write_all(line, std::strlen(line));
}

CrashGuard::CrashGuard(const std::string& line) {
  const std::size_t length = std::min(line.size(), sizeof crash_line - 1);
  std::memcpy(crash_line, line.data(), length);
  crash_line[length] = '\0';
  struct sigaction on_crash {};
  on_crash.sa_handler = end_on_crash;
  sigemptyset(&on_crash.sa_mask);
  sigaction(SIGSEGV, &on_crash, &previous_segv_);
  sigaction(SIGBUS, &on_crash, &previous_bus_);
}

CrashGuard::~CrashGuard() {
  sigaction(SIGSEGV, &previous_segv_, nullptr);
  sigaction(SIGBUS, &previous_bus_, nullptr);
}

}  // namespace window
