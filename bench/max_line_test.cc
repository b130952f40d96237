// The generated maximum line compiles cleanly: the benchmark measures a
// compile that does all its work, not one cut short by an error.
#include "bench/max_line.h"

#include <gtest/gtest.h>

#include "output/compile.h"
#include "output/error_report.h"

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
  int signals = 0, marks = 0, stops = 0;
  for (const Cell& c : m.cells) {
    signals += c.kind == kSignal;
    marks += c.kind == kReductionMark;
    stops += c.kind == kStationStop;
  }
  EXPECT_EQ(signals, 600);
  EXPECT_EQ(stops, 60);
  EXPECT_GT(marks, 500);
}

}  // namespace
}  // namespace scengen
