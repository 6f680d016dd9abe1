// The sanitizer watch: which lines of a run's standard error are a sanitizer's report,
// and a run of a stand-in for the program (e2e_stand_in_program.sh), whose standard
// error the test's environment gives, that the watch judges at the end of the test
// program.
#include <gtest/gtest.h>

#include <string>

#include "window/e2e_harness.h"

namespace e2e {
namespace {

TEST(SanitizerReport, IsToldByTheFirstLineOfEachKind) {
  static const struct {
    const char* line;
    bool report;
  } cases[] = {
      {"WARNING: ThreadSanitizer: data race (pid=15134)", true},
      {"==15132==ERROR: ThreadSanitizer: SEGV on unknown address 0x000000000000 (pc 0x55898fd762db bp "
       "0x7ffe4c8eb1f0 sp 0x7ffe4c8eb1a0 T15132)",
       true},
      {"==15168==ERROR: AddressSanitizer: SEGV on unknown address 0x000000000000 (pc 0x5565a2f4b3a5 bp "
       "0x7ffd62b28000 sp 0x7ffd62b27f40 T0)",
       true},
      {"==15140==ERROR: AddressSanitizer: heap-use-after-free on address 0x602000000010 at pc 0x55eaf8ce3541 bp "
       "0x7ffd002b9fa0 sp 0x7ffd002b9f98",
       true},
      {"==15142==ERROR: LeakSanitizer: detected memory leaks", true},
      {"console/page.cpp:7:52: runtime error: load of null pointer of type 'volatile int'", true},
      // The program's own lines, and what a sanitizer says that is no report.
      {"datacard: the connection to the display was lost", false},
      {"datacard: the window could not be made on the display \":7\": Unable to create OpenGL 1.0 context (flags 0, "
       "profile 0)",
       false},
      {"ThreadSanitizer:DEADLYSIGNAL", false},
      {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(holds_a_sanitizer_report(std::string("datacard: a line before\n") + c.line + "\n"), c.report)
        << c.line;
  }
}

// The stand-in ends at once, having written to its standard error what
// DATACARD_STAND_IN_STDERR says; the test program then passes or fails on the watch.
TEST(SanitizerWatch, ARunOfTheStandInEnds) {
  VirtualDisplay display;
  ASSERT_TRUE(display.ok()) << "Xvfb did not start";
  ProgramRun run(display, binary_under_test(""));
  EXPECT_EQ(run.wait_for_exit(), 0);
}

}  // namespace
}  // namespace e2e
