#include "compiler/track_model.h"

#include <gtest/gtest.h>

namespace scengen {
namespace {

TEST(TrackModel, RoundsHalvesToTheEvenNeighbour) {
  const struct {
    double v;
    int64_t rounded;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {16.4, 16}, {0.49999, 0}, {14.0, 14}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.v);
    EXPECT_EQ(round_even(c.v), c.rounded);
  }
}

TEST(TrackModel, CellFormsOfAPosition) {
  const struct {
    int64_t p;
    int64_t run, point, stop;
  } cases[] = {
      {0, 0, 1, -1},         {25, 0, 2, 0},      // 0.5 and 1.5 and -0.5: halves go to the even side
      {75, 2, 2, 0},                             // 1.5, 2.5, 0.5
      {700, 14, 15, 13},     {750, 15, 16, 14},  // the first carried caption goes to cell 16
      {6650, 133, 134, 132}, {-75, -2, 0, -2},   // -1.5 -> -2, -0.5 -> 0, -2.5 -> -2
      {-100, -2, -1, -3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.p);
    EXPECT_EQ(run_cell(c.p), c.run);
    EXPECT_EQ(point_cell(c.p), c.point);
    EXPECT_EQ(stop_cell(c.p), c.stop);
  }
}

TEST(TrackModel, OnlyPlainCellsAndMountainMarkersAreFree) {
  for (int kind = 0; kind < 256; ++kind) {
    SCOPED_TRACE(kind);
    Cell cell;
    cell.kind = static_cast<uint8_t>(kind);
    EXPECT_EQ(is_free(cell), kind == kPlain || kind == kMountainMarker);
  }
}

TEST(TrackModel, TheRouteLengthSizesCellsAndPlan) {
  TrackModel model;
  model.plan_enabled = 1;
  size_model(model, 96000);
  EXPECT_EQ(model.plan_last_metre, 103000);
  EXPECT_EQ(model.last_cell, 2060);
  EXPECT_EQ(model.cells.size(), 2061u);
  EXPECT_EQ(model.track_plan.size(), 2u * 103001);
  for (size_t i = 0; i < model.track_plan.size(); ++i) {
    ASSERT_EQ(model.track_plan[i], PlanValue{}) << i;
  }
  // Coordinate 1 of metre 0 follows coordinate 0 of the last metre.
  EXPECT_EQ(plan_index(model, 0, 1), 103001u);
  EXPECT_EQ(plan_index(model, 103000, 0), 103000u);

  // Halves of the cell count go to the even side too: 7025 / 50 = 140.5.
  size_model(model, 25);
  EXPECT_EQ(model.last_cell, 140);
  size_model(model, 75);  // 141.5
  EXPECT_EQ(model.last_cell, 142);

  TrackModel no_plan;
  size_model(no_plan, 1000000);
  EXPECT_EQ(no_plan.last_cell, 20140);
  EXPECT_TRUE(no_plan.track_plan.empty());
}

TEST(TrackModel, PositionCheckAgainstTheLastCell) {
  TrackModel model;
  size_model(model, 96000);
  EXPECT_TRUE(position_accepted(model, 102900));
  EXPECT_FALSE(position_accepted(model, 102901));
  EXPECT_FALSE(position_accepted(model, 102950));
  EXPECT_TRUE(position_accepted(model, 102200, 800));  // stations leave 800 m
  EXPECT_FALSE(position_accepted(model, 102250, 800));
  EXPECT_TRUE(position_accepted(model, -2147483648));
}

TEST(TrackModel, RecordingAnErrorKeepsADiagnostic) {
  TrackModel model;
  model.error_position = 77;
  record_error(model, 102, std::nullopt, "linea.txt");
  EXPECT_EQ(model.error_code, 102);
  EXPECT_EQ(model.error_position, 77);  // a code without position leaves it
  record_error(model, 6, 750, "linea.txt", 290);
  EXPECT_EQ(model.error_code, 6);
  EXPECT_EQ(model.error_position, 750);
  ASSERT_EQ(model.diagnostics.size(), 2u);
  EXPECT_EQ(model.diagnostics[1], (Diagnostic{6, 750, "linea.txt", 290, ""}));
}

}  // namespace
}  // namespace scengen
