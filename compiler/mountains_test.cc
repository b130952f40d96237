#include "compiler/mountains.h"

#include <gtest/gtest.h>

#include <string>

#include "compiler/error_codes.h"
#include "test/sized_model.h"

namespace scengen {
namespace {

using testing::sized_model;

// The kinds of cells first..last as one character each: '.' plain, 'M' a
// marker, '?' anything else.
std::string kinds(const TrackModel& model, int first, int last) {
  std::string s;
  for (int i = first; i <= last; ++i) {
    const uint8_t k = model.cells[i].kind;
    s += k == kPlain ? '.' : k == kMountainMarker ? 'M' : '?';
  }
  return s;
}

TEST(Mountains, TypeAboveTenStampsTypeLessTenWithAMarkerEveryFourthPlainCell) {
  TrackModel model = sized_model(96000);
  model.cells[23].kind = kSignal;       // the 8th cell of the span: no marker there
  memo_montagna(model, 800, 2050, 12);  // cells 16..40
  EXPECT_EQ(model.error_code, 0);
  EXPECT_EQ(model.mountain_count, 1);
  EXPECT_EQ(model.mountain_start[1], 800);
  EXPECT_EQ(model.mountain_end[1], 2050);
  EXPECT_EQ(model.cells[15].mountain_type, 0);
  for (int i = 16; i <= 40; ++i) EXPECT_EQ(model.cells[i].mountain_type, 2) << i;
  EXPECT_EQ(model.cells[41].mountain_type, 0);
  // Markers 150, 350, 550 ... m after the start: cells 19, 23, 27, ...
  EXPECT_EQ(kinds(model, 15, 41), "....M...?...M...M...M...M..");
  EXPECT_EQ(model.cells[23].kind, kSignal);
}

TEST(Mountains, TypeUpToTenHasNoMarkers) {
  TrackModel model = sized_model(96000);
  memo_montagna(model, 800, 2050, 2);
  EXPECT_EQ(kinds(model, 15, 41), std::string(27, '.'));
  EXPECT_EQ(model.cells[40].mountain_type, 2);
}

TEST(Mountains, ALaterSpanStampsOverAnEarlierOneAndLeavesMarkersBe) {
  TrackModel model = sized_model(96000);
  memo_montagna(model, 0, 1000, 11);    // cells 0..19, markers at 3, 7, 11, 15, 19
  memo_montagna(model, 200, 1000, 12);  // overlaps: forced to type 3
  EXPECT_EQ(model.cells[2].mountain_type, 1);
  EXPECT_EQ(model.cells[4].mountain_type, 3);
  // The second span's fourth cells (7, 11, 15, 19) are markers already.
  EXPECT_EQ(kinds(model, 0, 20), "...M...M...M...M...M.");
}

TEST(Mountains, ASpanCloseAfterThePreviousOneBecomesType3) {
  const struct {
    int32_t gap;
    uint8_t type;
  } cases[] = {{150, 3}, {200, 4}, {0, 3}, {-500, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gap);
    TrackModel model = sized_model(96000);
    memo_montagna(model, 1000, 2000, 1);
    memo_montagna(model, 2000 + c.gap, 4000, 14);
    EXPECT_EQ(model.cells[79].mountain_type, c.type);
    // The marker flag stays: the span's fourth cell is a marker.
    EXPECT_EQ(model.cells[run_cell(2000 + c.gap) + 3].kind, kMountainMarker);
  }
}

TEST(Mountains, AnEmptySpanStillCountsForTheNextGap) {
  TrackModel model = sized_model(96000);
  memo_montagna(model, 5000, 5000, 1);  // touches no cell
  EXPECT_EQ(model.mountain_count, 1);
  EXPECT_EQ(model.cells[100].mountain_type, 0);
  memo_montagna(model, 5100, 6000, 2);
  EXPECT_EQ(model.cells[102].mountain_type, 3);
}

TEST(Mountains, SpansWithoutRoomInTheModelAreRejectedWhole) {
  TrackModel model = sized_model(1000);  // last_cell 160
  memo_montagna(model, 7000, 8100, 1);   // last cell round(161) is past 160
  EXPECT_EQ(model.error_code, errors::kBeyondLastCell);
  EXPECT_EQ(model.mountain_count, 0);
  EXPECT_EQ(model.cells[140].mountain_type, 0);

  model.error_code = 0;
  memo_montagna(model, 7000, 8050, 1);  // ends at cell 160: fits
  EXPECT_EQ(model.error_code, 0);
  EXPECT_EQ(model.cells[160].mountain_type, 1);

  model.error_code = 0;
  memo_montagna(model, -100, 500, 1);  // first cell -2
  EXPECT_EQ(model.error_code, errors::kBeforeFirstCell);
  model.error_code = 0;
  memo_montagna(model, -100, -500, 1);  // no cell at all: nothing to reject
  EXPECT_EQ(model.error_code, 0);
  EXPECT_EQ(model.mountain_count, 2);
}

TEST(Mountains, EightyRecordsAndNoMore) {
  TrackModel model = sized_model(96000);
  for (int n = 0; n < 80; ++n) memo_montagna(model, n * 1000, n * 1000 + 500, 1);
  EXPECT_EQ(model.error_code, 0);
  EXPECT_EQ(model.mountain_end[80], 79500);
  memo_montagna(model, 90000, 90500, 1);
  EXPECT_EQ(model.error_code, errors::kTooManyMountains);
  EXPECT_EQ(model.mountain_count, 80);
  EXPECT_EQ(model.cells[1800].mountain_type, 0);
}

TEST(Mountains, TheTypeKeepsItsLowEightBits) {
  TrackModel model = sized_model(1000);
  memo_montagna(model, 0, 100, 267);  // type 257
  EXPECT_EQ(model.cells[0].mountain_type, 1);
  memo_montagna(model, 1000, 1100, -1);
  EXPECT_EQ(model.cells[20].mountain_type, 255);
}

}  // namespace
}  // namespace scengen
