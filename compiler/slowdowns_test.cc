#include "compiler/slowdowns.h"

#include <gtest/gtest.h>

#include <map>

#include "compiler/error_codes.h"
#include "test/model_printers.h"
#include "test/sized_model.h"

namespace scengen {
namespace {

using testing::sized_model;

// Every cell that is not plain, by index.
std::map<int, Cell> written(const TrackModel& model) {
  std::map<int, Cell> cells;
  for (size_t i = 0; i < model.cells.size(); ++i) {
    if (model.cells[i] != Cell{}) cells[static_cast<int>(i)] = model.cells[i];
  }
  return cells;
}

Cell cell(uint8_t kind, int16_t a, int16_t b = 0, int16_t c = 0) {
  Cell cell;
  cell.kind = kind;
  cell.value_a = a;
  cell.value_b = b;
  cell.value_c = c;
  return cell;
}

TEST(Slowdowns, TheWholeGroupAt1550) {
  TrackModel model = sized_model(96000);
  memo_rallentamento(model, {.x = 1550, .v = 60, .l = 500, .f_tt = 2, .f_ta = 1, .d_v = 5});
  EXPECT_EQ(model.error_code, 0);
  const std::map<int, Cell> expected = {
      {4, cell(kSlowdownApproach, 4, 4)},  // order numbers 4..1 in route order
      {5, cell(kSlowdownApproach, 3, 3)},   {6, cell(kSlowdownApproach, 2, 2)},
      {7, cell(kSlowdownApproach, 1, 1)},    // w = round(350 / 50)
      {8, cell(kSlowdownWarning, 60, 5)},    // round(350 / 50 + 1), 1200 m before
      {32, cell(kSlowdownStart, 60, 5, 2)},  // round(1550 / 50 + 1)
      {42, cell(kSlowdownEnd, 60, 5, 2)},    // round(2050 / 50 + 1)
  };
  EXPECT_EQ(written(model), expected);
}

TEST(Slowdowns, WhereTheBoardAndTheApproachCellsGo) {
  const struct {
    int32_t x, f_ta;
    std::map<int, uint8_t> kinds;
  } cases[] = {
      // At 1500 and below there is no warning board, so f_ta does nothing.
      {1500, 0, {{31, kSlowdownStart}, {41, kSlowdownEnd}}},
      {1500, 1, {{31, kSlowdownStart}, {41, kSlowdownEnd}}},
      {1550, 0, {{8, kSlowdownWarning}, {32, kSlowdownStart}, {42, kSlowdownEnd}}},
      // (1525 - 1200) / 50 = 6.5: w = 6, warning round(7.5) = 8; cell 7 between.
      {1525,
       1,
       {{3, kSlowdownApproach},
        {4, kSlowdownApproach},
        {5, kSlowdownApproach},
        {6, kSlowdownApproach},
        {8, kSlowdownWarning},
        {32, kSlowdownStart},
        {42, kSlowdownEnd}}},
      {1525, 0, {{8, kSlowdownWarning}, {32, kSlowdownStart}, {42, kSlowdownEnd}}},
      // 1575 / 50 + 1 = 32.5 and 2075 / 50 + 1 = 42.5: halves to even.
      {1575, 0, {{8, kSlowdownWarning}, {32, kSlowdownStart}, {42, kSlowdownEnd}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "x " << c.x << " f_ta " << c.f_ta);
    TrackModel model = sized_model(96000);
    memo_rallentamento(model, {.x = c.x, .v = 60, .l = 500, .f_tt = 0, .f_ta = c.f_ta, .d_v = 0});
    EXPECT_EQ(model.error_code, 0);
    std::map<int, uint8_t> kinds;
    for (const auto& [i, written_cell] : written(model)) kinds[i] = written_cell.kind;
    EXPECT_EQ(kinds, c.kinds);
  }
}

TEST(Slowdowns, At1575TheWarningBoardTakesCellWSoTheApproachFails) {
  // (1575 - 1200) / 50 = 7.5: w = round(7.5) = 8 and the board round(8.5) = 8.
  TrackModel model = sized_model(96000);
  memo_rallentamento(model, {.x = 1575, .v = 60, .l = 500, .f_tt = 0, .f_ta = 1, .d_v = 0});
  EXPECT_EQ(model.error_code, errors::kApproachCellTaken);
  // What came before the approach cells stays written.
  const std::map<int, Cell> expected = {
      {8, cell(kSlowdownWarning, 60)},
      {32, cell(kSlowdownStart, 60)},
      {42, cell(kSlowdownEnd, 60)},
  };
  EXPECT_EQ(written(model), expected);
}

TEST(Slowdowns, LengthZeroPutsStartAndEndIntoOneCellOfKind3) {
  TrackModel model = sized_model(96000);
  memo_rallentamento(model, {.x = 1000, .v = 30, .l = 0, .f_tt = 7, .f_ta = 0, .d_v = 0});
  EXPECT_EQ(model.error_code, 0);
  EXPECT_EQ(written(model), (std::map<int, Cell>{{21, cell(kSlowdownStart, 30, 0, 7)}}));
}

TEST(Slowdowns, DvZeroLeavesEveryValueBAsItWas) {
  TrackModel model = sized_model(96000);
  for (Cell& c : model.cells) c.value_b = 77;
  memo_rallentamento(model, {.x = 1550, .v = 60, .l = 500, .f_tt = 2, .f_ta = 1, .d_v = 0});
  EXPECT_EQ(model.error_code, 0);
  for (int i : {4, 5, 6, 7, 8, 32, 42}) EXPECT_EQ(model.cells[i].value_b, 77) << i;
  EXPECT_EQ(model.cells[4].value_a, 4);
}

TEST(Slowdowns, ValuesKeepTheirLowSixteenBits) {
  TrackModel model = sized_model(96000);
  memo_rallentamento(model,
                     {.x = 1550, .v = 65537, .l = 500, .f_tt = -65538, .f_ta = 0, .d_v = 98304});
  EXPECT_EQ(written(model), (std::map<int, Cell>{
                                {8, cell(kSlowdownWarning, 1, -32768)},
                                {32, cell(kSlowdownStart, 1, -32768, -2)},
                                {42, cell(kSlowdownEnd, 1, -32768, -2)},
                            }));
}

TEST(Slowdowns, AMountainMarkerIsFreeAndIsReplaced) {
  TrackModel model = sized_model(96000);
  for (int i : {4, 8, 32, 42}) model.cells[i].kind = kMountainMarker;
  memo_rallentamento(model, {.x = 1550, .v = 60, .l = 500, .f_tt = 0, .f_ta = 1, .d_v = 0});
  EXPECT_EQ(model.error_code, 0);
  EXPECT_EQ(model.cells[4].kind, kSlowdownApproach);
  EXPECT_EQ(model.cells[8].kind, kSlowdownWarning);
  EXPECT_EQ(model.cells[32].kind, kSlowdownStart);
  EXPECT_EQ(model.cells[42].kind, kSlowdownEnd);
}

TEST(Slowdowns, ATakenCellStopsTheGroup) {
  const struct {
    int taken;  // a signal stands there
    int32_t code;
    bool group_written;  // warning, start and end cells
  } cases[] = {
      {8, errors::kWarningCellTaken, false},  {32, errors::kSlowdownStartTaken, false},
      {42, errors::kSlowdownEndTaken, false}, {4, errors::kApproachCellTaken, true},
      {7, errors::kApproachCellTaken, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.taken);
    TrackModel model = sized_model(96000);
    model.cells[c.taken].kind = kSignal;
    memo_rallentamento(model, {.x = 1550, .v = 60, .l = 500, .f_tt = 0, .f_ta = 1, .d_v = 0});
    EXPECT_EQ(model.error_code, c.code);
    const std::map<int, uint8_t> group = {
        {8, kSlowdownWarning}, {32, kSlowdownStart}, {42, kSlowdownEnd}};
    for (const auto& [i, kind] : group) {
      if (i != c.taken) {
        EXPECT_EQ(model.cells[i].kind, c.group_written ? kind : uint8_t{kPlain}) << i;
      }
    }
    // No approach cell is written once one of them is taken.
    for (int i : {4, 5, 6, 7}) {
      if (i != c.taken) {
        EXPECT_EQ(model.cells[i].kind, kPlain) << i;
      }
    }
  }
}

TEST(Slowdowns, CellsOutsideTheArrayAreRejectedBeforeAnythingIsWritten) {
  const struct {
    int32_t x, l;
    int32_t code;
  } cases[] = {
      {-60, 0, 0},                            // start round(-0.2) = cell 0
      {-100, 500, errors::kBeforeFirstCell},  // start round(-1)
      {1000, -1200, errors::kBeforeFirstCell},
      {1000, -2147483647, errors::kBeforeFirstCell},  // x + l in 64 bits
      {7000, 950, 0},                                 // end cell 160 = last_cell
      {7000, 1000, errors::kBeyondLastCell},
      {7000, 2147483647, errors::kBeyondLastCell},
      {9000, 0, errors::kBeyondLastCell},  // the start too, had the check let it by
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "x " << c.x << " l " << c.l);
    TrackModel model = sized_model(1000);
    memo_rallentamento(model, {.x = c.x, .v = 60, .l = c.l, .f_tt = 0, .f_ta = 1, .d_v = 0});
    EXPECT_EQ(model.error_code, c.code);
    if (c.code != 0) {
      EXPECT_TRUE(written(model).empty());
    }
  }
}

}  // namespace
}  // namespace scengen
