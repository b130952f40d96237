// In the sanitizer build: each sanitizer is on and reports what it must.

#include <gtest/gtest.h>

#include <filesystem>

#include "test/run_program.h"
#include "test/temp_dir.h"

namespace scengen {
namespace {

TEST(Sanitizers, EachReportsTheFaultItIsFor) {
  const struct {
    const char* fault;
    const char* report;
  } cases[] = {
      {"leak", "ERROR: LeakSanitizer: detected memory leaks"},
      {"heap-overflow", "ERROR: AddressSanitizer: heap-buffer-overflow"},
      {"signed-overflow", "runtime error: signed integer overflow"},
      {"index", "Assertion '__n < this->size()' failed"},
  };
  testing::TempDir tmp;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    const testing::Result r = testing::run(SCENGEN_CANARY, c.fault, tmp.path());
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find(c.report), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace scengen
