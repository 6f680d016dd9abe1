// Linked into every end-to-end test program: a sanitizer build of the binary reports a
// fault on its standard error, perhaps after the test's last check or while the test
// ends it, so at the end of the test program any such report fails it.
#include <gtest/gtest.h>

#include "window/e2e_harness.h"

namespace e2e {
namespace {

class NoSanitizerReports : public ::testing::Environment {
 public:
  void TearDown() override {
    EXPECT_EQ(runs_with_sanitizer_reports(), 0) << "the program's standard error (above) holds a sanitizer's report";
  }
};

[[maybe_unused]] const ::testing::Environment* const kWatch =
    ::testing::AddGlobalTestEnvironment(new NoSanitizerReports);

}  // namespace
}  // namespace e2e
