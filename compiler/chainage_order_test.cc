#include "compiler/chainage_order.h"

#include <gtest/gtest.h>

#include <array>

namespace scengen {
namespace {

using Change = std::array<int32_t, 3>;  // position, chainage, flag
using Changes = std::array<Change, 3>;  // items 81, 82, 83

Changes order(const Changes& read) {
  TrackModel model;
  for (int n = 0; n < 3; ++n) {
    Item& item = model.items[81 + n];
    item.number_1 = read[n][0];
    item.number_2 = read[n][1];
    item.number_3 = read[n][2];
    item.number_4 = 1234;  // no other field is touched
  }
  progressive_ordina(model);
  Changes result;
  for (int n = 0; n < 3; ++n) {
    const Item& item = model.items[81 + n];
    EXPECT_EQ(item.number_4, 1234);
    result[n] = {item.number_1, item.number_2, item.number_3};
  }
  return result;
}

TEST(ChainageOrder, LatestFirstWithDownCountingChainagesRaisedBy100) {
  const struct {
    const char* name;
    Changes read, stored;
  } cases[] = {
      {"the carried changes",
       {{{0, 0, 0}, {81200, 95900, 1}, {8450, 3600, 0}}},
       {{{81200, 96000, 1}, {8450, 3600, 0}, {0, 0, 0}}}},
      {"three positions",
       {{{100, 1, 0}, {300, 3, 0}, {200, 2, 0}}},
       {{{300, 3, 0}, {200, 2, 0}, {100, 1, 0}}}},
      {"81 first, 82 and 83 tied below: 83 goes second",
       {{{500, 1, 0}, {200, 2, 0}, {200, 3, 0}}},
       {{{500, 1, 0}, {200, 3, 0}, {200, 2, 0}}}},
      {"83 first, 81 above 82",
       {{{200, 1, 0}, {100, 2, 0}, {300, 3, 1}}},
       {{{300, 103, 1}, {200, 1, 0}, {100, 2, 0}}}},
      {"a tie for the latest empties all three, with no 100 added",
       {{{500, 1, 1}, {500, 2, 1}, {0, 3, 1}}},
       {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
      {"positions adding up to 0 leave the chainages to decide",
       {{{0, 0, 0}, {0, 700, 1}, {0, 0, 0}}},
       {{{0, 800, 1}, {0, 0, 0}, {0, 0, 0}}}},
      {"by chainage, the last test wins",
       {{{0, 10, 0}, {0, 20, 0}, {0, 30, 0}}},
       {{{0, 30, 0}, {0, 20, 0}, {0, 10, 0}}}},
      {"nothing declared", {}, {}},
      {"positions of opposite sign adding up to 0",
       {{{-100, 0, 0}, {100, 0, 0}, {0, 5, 0}}},
       {{{0, 5, 0}, {100, 0, 0}, {-100, 0, 0}}}},
      {"sums past 32 bits are not 0",
       {{{2147483647, 1, 0}, {2147483647, 2, 0}, {2, 3, 0}}},
       {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
      {"a raised chainage keeps its low 32 bits",
       {{{10, 2147483600, 1}, {0, 0, 0}, {0, 0, 0}}},
       {{{10, -2147483596, 1}, {0, 0, 0}, {0, 0, 0}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(order(c.read), c.stored);
  }
}

}  // namespace
}  // namespace scengen
