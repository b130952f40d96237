#include "scenario/notes.h"

#include <gtest/gtest.h>

namespace scengen {
namespace {

TEST(Notes, Layout) {
  const std::vector<std::string>& n = notes();
  ASSERT_EQ(n.size(), 28u);
  EXPECT_EQ(n[0], "              Treno 31474 sul percorso Tolvo - Sarmaleonte");
  EXPECT_EQ(n[1], "");
  EXPECT_EQ(n[2], " Note sullo scenario:");
  EXPECT_EQ(n[3], "");
  EXPECT_EQ(n[25], "");
  for (int i : {26, 27}) EXPECT_FALSE(n[i].empty() || n[i][0] != ' ') << n[i];

  // Seven items of 3, 3, 2, 4, 4, 4 and 1 lines: " - " opens an item,
  // three blanks continue it.
  std::vector<int> item_lines;
  for (int i = 4; i <= 24; ++i) {
    SCOPED_TRACE(n[i]);
    EXPECT_LE(n[i].size(), 78u);
    EXPECT_NE(n[i].back(), ' ');
    if (n[i].rfind(" - ", 0) == 0) {
      item_lines.push_back(1);
    } else {
      ASSERT_FALSE(item_lines.empty());
      EXPECT_EQ(n[i].substr(0, 3), "   ");
      EXPECT_NE(n[i][3], ' ');
      ++item_lines.back();
    }
  }
  EXPECT_EQ(item_lines, (std::vector<int>{3, 3, 2, 4, 4, 4, 1}));
}

}  // namespace
}  // namespace scengen
