#include "output/final_passes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "compiler/error_codes.h"
#include "test/model_printers.h"
#include "test/sized_model.h"

namespace scengen {
namespace {

// Cells as kind and value_a.
using Layout = std::map<int, std::pair<int, int>>;

constexpr std::pair<int, int> kMark = {kReductionMark, 180};
constexpr std::pair<int, int> kStop = {kStationStop, 0};
constexpr std::pair<int, int> kSig = {kSignal, 50};

// A 1000 m line: cells 0..160.
TrackModel line_with(const Layout& layout) {
  TrackModel m = testing::sized_model(1000);
  for (const auto& [n, kv] : layout) {
    m.cells[static_cast<size_t>(n)].kind = static_cast<uint8_t>(kv.first);
    m.cells[static_cast<size_t>(n)].value_a = static_cast<int16_t>(kv.second);
  }
  return m;
}

Layout layout_of(const TrackModel& m) {
  Layout found;
  for (size_t i = 0; i < m.cells.size(); ++i) {
    if (m.cells[i].kind != kPlain)
      found[static_cast<int>(i)] = {m.cells[i].kind, m.cells[i].value_a};
  }
  return found;
}

// The layout after the passes: `before` with `changes` applied.
Layout with(Layout before, const Layout& changes) {
  for (const auto& [n, kv] : changes) before[n] = kv;
  return before;
}

std::vector<std::pair<int32_t, int32_t>> errors_of(const TrackModel& m) {
  std::vector<std::pair<int32_t, int32_t>> found;
  for (const Diagnostic& d : m.diagnostics) found.push_back({d.code, d.position.value_or(-1)});
  return found;
}

struct Case {
  const char* name;
  Layout before;
  Layout changes;  // what the passes set
  std::vector<std::pair<int32_t, int32_t>> errors = {};
};

void run_cases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TrackModel m = line_with(c.before);
    cell_passes(m, "treno-.txt");
    EXPECT_EQ(layout_of(m), with(c.before, c.changes));
    EXPECT_EQ(errors_of(m), c.errors);
    if (!c.errors.empty()) {
      EXPECT_EQ(m.error_code, c.errors.back().first);
    }
  }
}

std::pair<int, int> slowdown(int speed) { return {kSlowdownStart, speed}; }
constexpr std::pair<int, int> kEnd = {kSlowdownEnd, 0};
constexpr std::pair<int, int> kWarning = {kSlowdownWarning, 0};

TEST(FinalPasses, Minimo) {
  EXPECT_EQ(minimo(180, 200), 180);
  EXPECT_EQ(minimo(180, 60), 60);
  EXPECT_EQ(minimo(180, 180), 180);
  EXPECT_EQ(minimo(-1, -5), -5);
}

TEST(FinalPasses, WarningLookBack) {
  run_cases({
      {"every signal in the 20 cells before the warning, none further",
       {{60, kWarning}, {59, kSig}, {50, kSig}, {40, kSig}, {39, kSig}},
       // 40: its cell 39 is the next signal, so the mark goes to 38.
       {{58, kMark}, {49, kMark}, {38, kMark}}},
      {"a warning at cell 10 looks at cells 9 down to 3 only",
       {{10, kWarning}, {4, kSig}, {2, kSig}},
       {{3, kMark}}},
      {"a mountain marker is free",
       {{60, kWarning}, {50, kSig}, {49, {kMountainMarker, 0}}},
       {{49, kMark}}},
      {"p1 taken: p2", {{60, kWarning}, {50, kSig}, {49, kStop}}, {{48, kMark}}},
      {"a free p2 is preferred to lowering the mark at p1",
       {{60, kWarning}, {50, kSig}, {49, {kReductionMark, 200}}},
       {{48, kMark}}},
      {"a mark of 200 at p1 is lowered to 180",
       {{60, kWarning}, {50, kSig}, {49, {kReductionMark, 200}}, {48, kStop}},
       {{49, kMark}}},
      {"a mark of 60 at p1 stays 60",
       {{60, kWarning}, {50, kSig}, {49, {kReductionMark, 60}}, {48, kStop}},
       {}},
      {"a mark of 200 at p2 is lowered to 180",
       {{60, kWarning}, {50, kSig}, {49, kStop}, {48, {kReductionMark, 200}}},
       {{48, kMark}}},
      // The signal at 49 is looked at next and takes 47.
      {"another signal and a station stop: error 11 at the signal",
       {{60, kWarning}, {50, kSig}, {49, kSig}, {48, kStop}},
       {{47, kMark}},
       {{errors::kNoRoomBeforeSignal, 2500}}},
      {"a mark without value (13) is not lowered",
       {{60, kWarning}, {50, kSig}, {49, {kReductionMarkWithoutValue, 200}}, {48, kStop}},
       {},
       {{errors::kNoRoomBeforeSignal, 2500}}},
  });
}

TEST(FinalPasses, ApproachWindowsByStartCell) {
  // A fast slowdown, so that only the windows mark.
  const std::vector<std::pair<int, std::vector<int>>> cases = {
      {7, {}},       {8, {3}},          {13, {8}},           {14, {9, 3}},
      {20, {15, 9}}, {21, {16, 10, 3}}, {100, {95, 89, 82}},
  };
  for (const auto& [start, marks] : cases) {
    SCOPED_TRACE(::testing::Message() << "start at cell " << start);
    Layout before = {{start, slowdown(120)}, {start + 30, kEnd}};
    Layout changes;
    for (int n : marks) changes[n] = kMark;
    run_cases({{"", before, changes}});
  }
}

TEST(FinalPasses, ApproachWindowTakesTheFirstFreeCellOrRecords12) {
  run_cases({
      {"i - 5 taken: i - 6",
       {{100, slowdown(120)}, {130, kEnd}, {95, kStop}},
       {{94, kMark}, {89, kMark}, {82, kMark}}},
      {"i - 5 and i - 6 taken: i - 7",
       {{100, slowdown(120)}, {130, kEnd}, {95, kStop}, {94, kSig}},
       {{93, kMark}, {89, kMark}, {82, kMark}}},
      {"the middle window full",
       {{100, slowdown(120)}, {130, kEnd}, {89, kStop}, {88, kStop}, {87, kStop}},
       {{95, kMark}, {82, kMark}},
       {{errors::kNoRoomBeforeSlowdown, 5000}}},
  });
}

TEST(FinalPasses, SteppingThroughSlowSlowdowns) {
  run_cases({
      {"109 km/h: every 8 cells to the end",
       {{40, slowdown(109)}, {60, kEnd}},
       {{35, kMark}, {29, kMark}, {22, kMark}, {48, kMark}, {56, kMark}}},
      {"110 km/h: no stepping",
       {{40, slowdown(110)}, {60, kEnd}},
       {{35, kMark}, {29, kMark}, {22, kMark}}},
      {"8 cells long: the end cell is the step point, so i + 7",
       {{40, slowdown(50)}, {48, kEnd}},
       {{35, kMark}, {29, kMark}, {22, kMark}, {47, kMark}}},
      {"8 cells long with i + 7 taken: i + 9",
       {{40, slowdown(50)}, {48, kEnd}, {47, kStop}},
       {{35, kMark}, {29, kMark}, {22, kMark}, {49, kMark}}},
      // The next point falls 8 cells after the cell actually marked.
      {"marked at k - 1 = 47: the next points are 55 and 63",
       {{40, slowdown(50)}, {70, kEnd}, {48, kStop}},
       {{35, kMark}, {29, kMark}, {22, kMark}, {47, kMark}, {55, kMark}, {63, kMark}}},
      {"marked at k + 1 = 49: the next points are 57 and 65",
       {{40, slowdown(50)}, {70, kEnd}, {48, kStop}, {47, kStop}},
       {{35, kMark}, {29, kMark}, {22, kMark}, {49, kMark}, {57, kMark}, {65, kMark}}},
      {"k, k - 1 and k + 1 taken: 13 at k and no further marks",
       {{40, slowdown(50)}, {70, kEnd}, {47, kStop}, {48, kStop}, {49, kStop}},
       {{35, kMark}, {29, kMark}, {22, kMark}},
       {{errors::kNoRoomInSlowdown, 2400}}},
  });
}

TEST(FinalPasses, ExitLookAhead) {
  run_cases({
      {"the first signal within 12 cells of the end",
       {{40, slowdown(120)}, {60, kEnd}, {65, kSig}, {70, kSig}},
       {{35, kMark}, {29, kMark}, {22, kMark}, {64, kMark}}},
      {"a signal 12 cells after the end",
       {{40, slowdown(120)}, {60, kEnd}, {72, kSig}},
       {{35, kMark}, {29, kMark}, {22, kMark}, {71, kMark}}},
      {"13 cells after: none",
       {{40, slowdown(120)}, {60, kEnd}, {73, kSig}},
       {{35, kMark}, {29, kMark}, {22, kMark}}},
      {"p taken: p - 1",
       {{40, slowdown(120)}, {60, kEnd}, {65, kSig}, {64, kStop}},
       {{35, kMark}, {29, kMark}, {22, kMark}, {63, kMark}}},
      {"p and p - 1 taken: 13 at the end cell",
       {{40, slowdown(120)}, {60, kEnd}, {65, kSig}, {64, kStop}, {63, kStop}},
       {{35, kMark}, {29, kMark}, {22, kMark}},
       {{errors::kNoRoomInSlowdown, 3000}}},
      // The fast slowdown looks from its own end (120), not from where the
      // slow one's stepping stopped (30).
      {"a fast slowdown after a slow one",
       {{22, slowdown(50)}, {30, kEnd}, {35, kSig}, {100, slowdown(120)}, {120, kEnd}, {125, kSig}},
       {{17, kMark},
        {11, kMark},
        {4, kMark},
        {29, kMark},
        {34, kMark},
        {95, kMark},
        {89, kMark},
        {82, kMark},
        {124, kMark}}},
  });
}

TEST(FinalPasses, WalksStopAtTheLastCell) {
  // Cells 0..160; the loop handles cells 1..158.
  run_cases({
      {"a slow slowdown without end",
       {{150, slowdown(50)}},
       {{145, kMark}, {139, kMark}, {132, kMark}, {158, kMark}},
       {{errors::kPassPastLastCell, 7500}}},
      {"a fast slowdown without end",
       {{150, slowdown(120)}},
       {{145, kMark}, {139, kMark}, {132, kMark}},
       {{errors::kPassPastLastCell, 7500}}},
      {"an end too near the last cell to look 12 cells ahead",
       {{140, slowdown(120)}, {155, kEnd}},
       {{135, kMark}, {129, kMark}, {122, kMark}},
       {{errors::kPassPastLastCell, 7000}}},
      {"a step point on the last cell, k + 1 past it",
       {{152, slowdown(50)}, {160, kEnd}, {159, kStop}},
       {{147, kMark}, {141, kMark}, {134, kMark}},
       {{errors::kNoRoomInSlowdown, 8000}, {errors::kPassPastLastCell, 7600}}},
      {"a start on cell 159 is past the loop", {{159, slowdown(50)}}, {}},
  });
}

TEST(FinalPasses, ALineWithoutSlowdownsIsLeftAsItIs) {
  TrackModel m = line_with({{50, kSig}, {49, kStop}, {30, {kReductionMark, 200}}});
  const std::vector<Cell> before = m.cells;
  cell_passes(m, "treno-.txt");
  EXPECT_EQ(m.cells, before);
  EXPECT_TRUE(m.diagnostics.empty());
}

TEST(FinalPasses, ErrorsPointAtTheTrainText) {
  TrackModel m = line_with({{60, kWarning}, {50, kSig}, {49, kSig}, {48, kStop}});
  cell_passes(m, "T_R1-.txt");
  ASSERT_FALSE(m.diagnostics.empty());
  EXPECT_EQ(m.diagnostics.back(),
            (Diagnostic{11, 2500, "T_R1-.txt", 0,
                        "segnale alla cella 50, avviso di rallentamento alla cella 60"}));
  EXPECT_EQ(m.error_position, 2500);
}

}  // namespace
}  // namespace scengen
