#include "window/failure_line.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

namespace window {
namespace {

// However a failure unfolds, the user reads its first line alone.
TEST(FailureLine, OnlyTheFirstLineIsWritten) {
  EXPECT_EXIT(
      {
        write_failure_line("datacard: the first failure\n");
        write_failure_line("datacard: a failure that followed from it\n");
        _exit(3);
      },
      ::testing::ExitedWithCode(3), "^datacard: the first failure\n$");
}

// A crash while the guard lives (in the GL driver, on a lost connection) ends the
// process with the guard's line and exit code 1.
TEST(CrashGuard, ACrashWhileItLivesEndsWithItsLineAndCode1) {
  for (const int signal : {SIGSEGV, SIGBUS}) {
    EXPECT_EXIT(
        {
          const CrashGuard guard("datacard: the window could not be made on the display \":7\"\n");
          std::raise(signal);
        },
        ::testing::ExitedWithCode(1), "^datacard: the window could not be made on the display \":7\"\n$")
        << "signal " << signal;
  }
}

void marker_handler(int) {}

// Once the guard is gone, a crash reaches whatever handled it before (a sanitizer's
// report, a core dump).
TEST(CrashGuard, GivesThePreviousHandlersBack) {
  for (const int signal : {SIGSEGV, SIGBUS}) {
    struct sigaction marker {}, original {}, after {};
    marker.sa_handler = marker_handler;
    sigemptyset(&marker.sa_mask);
    ASSERT_EQ(sigaction(signal, &marker, &original), 0);
    { const CrashGuard guard("datacard: a line\n"); }
    ASSERT_EQ(sigaction(signal, &original, &after), 0);
    EXPECT_EQ(after.sa_handler, &marker_handler) << "signal " << signal;
  }
}

}  // namespace
}  // namespace window
