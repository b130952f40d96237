#include "scenario/slowdown_notice.h"

#include <gtest/gtest.h>

namespace scengen {
namespace {

TEST(SlowdownNotice, FourEmptyLinesThenTheNotice) {
  EXPECT_EQ(
      slowdown_notice(),
      (std::vector<std::string>{"", "", "", "", "                         NESSUNA PRESCRIZIONE"}));
  EXPECT_EQ(slowdown_notice()[4].size(), 45u);
}

}  // namespace
}  // namespace scengen
