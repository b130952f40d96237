#include "app/html_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "test/page_check.h"

namespace scengen {
namespace {

using testing::check_page;
using testing::Page;

// Whatever the files hold that their readers let through, the page parses
// and draws inside its boxes: random cells and items, with names of any
// bytes, positions far off the route, and plans with gaps and NaNs.
TEST(HtmlReport, AnyScenarioTheReadersAcceptGivesASoundPage) {
  std::mt19937 rng(20261210);
  auto pick = [&](int64_t lo, int64_t hi) {
    return std::uniform_int_distribution<int64_t>(lo, hi)(rng);
  };
  auto bytes = [&](size_t max) {
    std::string s(static_cast<size_t>(pick(0, static_cast<int64_t>(max))), ' ');
    for (char& c : s) c = static_cast<char>(pick(0, 255));
    return s;
  };
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    const int32_t length = static_cast<int32_t>(round < 3 ? round * 25 : pick(0, 200000));
    const size_t cell_count =
        static_cast<size_t>(round_even(static_cast<double>(length + kMetresBeyondRoute) / 50) + 1);
    std::vector<Cell> cells(cell_count);
    for (Cell& c : cells) {
      c.kind = static_cast<uint8_t>(pick(0, 3) == 0 ? pick(0, 14) : 0);
      c.value_a = static_cast<int16_t>(pick(-32768, 32767));
      c.mountain_type = static_cast<uint8_t>(pick(0, 5) == 0 ? pick(0, 255) : 0);
      c.speed_limit = static_cast<uint8_t>(pick(0, 255));
      c.gradient = static_cast<uint8_t>(pick(0, 255));
    }
    std::array<Item, kItemCount> items{};
    for (int i = 1; i <= kFirstCaptionSlot; ++i) {
      if (pick(0, 2) == 0) continue;
      Item& it = items[static_cast<size_t>(i)];
      it.text = bytes(60);
      if (pick(0, 1) == 0) {
        it.kind = static_cast<uint8_t>(pick(0, 255));
        it.number_3 = static_cast<int32_t>(pick(-2000000, 2000000));
        it.number_1 = static_cast<int32_t>(pick(INT32_MIN, INT32_MAX));
        it.number_4 = static_cast<int32_t>(pick(0, 86399));
        it.byte_3 = static_cast<uint8_t>(pick(0, 255));
      }
    }
    for (int i = kChainageItemFirst; i < kGeneralItem; ++i) {
      items[static_cast<size_t>(i)].number_1 = static_cast<int32_t>(pick(INT32_MIN, INT32_MAX));
      items[static_cast<size_t>(i)].number_2 = static_cast<int32_t>(pick(INT32_MIN, INT32_MAX));
    }
    items[kGeneralItem].number_2 = length;
    items[kGeneralItem].number_3 = static_cast<int32_t>(pick(INT32_MIN, INT32_MAX));
    items[kBackgroundItem].text = bytes(30);
    items[kRepetitionItem].text = bytes(30);
    items[kRepetitionItem].word_3 = static_cast<int16_t>(pick(-32768, 32767));

    ScenarioView view;
    std::string err;
    ASSERT_TRUE(view_scenario(cells, items, &view, &err)) << err;

    LinePlan plan;
    plan.last_metre = length + kMetresBeyondRoute;
    plan.values.resize(2 * static_cast<size_t>(plan.last_metre + 1));
    // 0: none, 1: a gap, 2: a NaN, 3: huge, 4: a span past what a double holds
    const int flaw = static_cast<int>(pick(0, 4));
    double x = 0, y = 0, heading = 0;
    for (int64_t m = 0; m <= plan.last_metre; ++m) {
      heading += pick(0, 50) == 0 ? 0.003 * static_cast<double>(pick(-1, 1)) : 0;
      x += std::sin(heading) * (flaw == 3 ? 1e9 : 1);
      if (flaw == 4 && m == length / 2) x = 1.5e308;
      if (flaw == 4 && m == length) x = -1.5e308;
      y += std::cos(heading);
      plan.values[static_cast<size_t>(m)] = {PlanTag::kDouble, x};
      plan.values[static_cast<size_t>(plan.last_metre + 1 + m)] = {PlanTag::kDouble, y};
    }
    if (length > 0 && flaw == 1)
      plan.values[static_cast<size_t>(pick(0, length))].tag = PlanTag::kEmpty;
    if (length > 0 && flaw == 2) {
      plan.values[static_cast<size_t>(pick(0, length))].value =
          std::numeric_limits<double>::quiet_NaN();
    }

    const std::string html = html_report(view, &plan, {{"a.sim", "a.dat", "a_linea.dat"}, ""});
    const Page page = check_page(html);
    EXPECT_EQ(page.parse_error, "");
    EXPECT_TRUE(page.outside.empty()) << page.outside[0];
    EXPECT_EQ(page.timetable.size(), view.stations.size());
    const bool drawn = html.find("No map:") == std::string::npos;
    EXPECT_EQ(drawn, length == 0 || flaw == 0 || flaw == 3);
  }
}

}  // namespace
}  // namespace scengen
