#include "app/label_layout.h"

#include <gtest/gtest.h>

namespace scengen {
namespace {

TEST(LabelLayout, CrowdedLabelsMoveApartInTheirOrder) {
  const struct {
    const char* what;
    std::vector<double> wanted;
    std::vector<double> at;
  } cases[] = {
      {"apart already", {10, 50, 30}, {10, 50, 30}},
      {"two crowd: the second moves down", {10, 12}, {10, 20}},
      {"three on one point", {40, 40, 40}, {40, 50, 60}},
      {"crowded at the bottom: moved up", {100, 99, 98}, {100, 90, 80}},
      {"outside lo..hi: brought inside", {-5, 200}, {0, 100}},
      {"no room: the last ones overflow hi",
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}},
      {"none", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(spread_labels(c.wanted, 10, 0, 100), c.at);
  }
}

}  // namespace
}  // namespace scengen
