// The generated maximum line compiles cleanly: the benchmark measures a
// compile that does all its work, not one cut short by an error.
#include "bench/max_line.h"

#include <gtest/gtest.h>

#include "output/compile.h"
#include "output/error_report.h"
#include "test/cell_counts.h"

namespace scengen {
namespace {

TEST(MaxLine, CompilesWithoutErrorToTheFullSizes) {
  TrackModel m;
  m.scenario_name = "Massima";
  m.train_code = "M1";
  MemorySourceTexts texts(bench::max_line_text(), bench::max_train_text());
  MemoryOutputs outputs;
  ASSERT_EQ(memorizza_percorso(1, m, texts, outputs).end, CompileEnd::kWritten);
  for (const Diagnostic& d : m.diagnostics) ADD_FAILURE() << format_diagnostic(d);
  EXPECT_EQ(m.last_cell, 20140);
  EXPECT_EQ(outputs.files[OutputKind::kLinePlan].size(), 20u * 1007000 - 36);
  EXPECT_EQ(outputs.files[OutputKind::kCellArray].size(), 15u * 20141);
  EXPECT_EQ(testing::count_cells(m, kSignal), 600);
  EXPECT_EQ(testing::count_cells(m, kStationStop), 60);
  // Per 10 km: three approach marks, two through the slowdown, one after
  // it and one before the signal that the warning looks back at.
  EXPECT_EQ(testing::count_cells(m, kReductionMark), 700);
}

}  // namespace
}  // namespace scengen
