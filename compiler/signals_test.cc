#include "compiler/signals.h"

#include <gtest/gtest.h>

#include "compiler/error_codes.h"
#include "test/model_printers.h"
#include "test/sized_model.h"

namespace scengen {
namespace {

using testing::sized_model;

TEST(Signals, TheSignalAt12100) {
  TrackModel model = sized_model(96000);
  memo_segnale(model, {12100, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(model.error_code, 0);
  Cell expected;
  expected.kind = kSignal;
  expected.value_a = 30;  // s1 3, d1 0
  expected.value_b = 10;  // s2 1, d2 0
  expected.value_c = 0;
  expected.value_d = 6;  // rapp 0, sx 2 * 3 + dx 0
  expected.signal_time = 0;
  EXPECT_EQ(model.cells[243], expected);
  // Marks 100, 200, 300 and 400 m before the signal, nearest first.
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    Cell mark;
    mark.approach_mark = static_cast<uint8_t>(60 + k);
    EXPECT_EQ(model.cells[static_cast<size_t>(243 - 2 * k)], mark);
  }
  for (int c : {234, 236, 238, 240, 242, 244}) EXPECT_EQ(model.cells[c], Cell{}) << c;
}

TEST(Signals, TheFirstCarriedSignalAt6650) {
  TrackModel model = sized_model(96000);
  memo_segnale(model, {6650, 1, 5, 1, 0, 0, 0, 0, 0, 0, 0});
  const Cell& cell = model.cells[134];
  EXPECT_EQ(cell.kind, kSignal);
  EXPECT_EQ(cell.value_a, 50);
  EXPECT_EQ(cell.value_b, 10);
  EXPECT_EQ(cell.value_d, 3);
  EXPECT_EQ(model.cells[132].approach_mark, 31);
  EXPECT_EQ(model.cells[126].approach_mark, 34);
}

TEST(Signals, OnlyAnSx2SignalKeepsItsTimeRaisedTo101) {
  const struct {
    int32_t sx, tempo;
    uint8_t signal_time;
  } cases[] = {
      {2, 0, 0},     {2, 1, 101},   {2, 50, 101}, {2, 100, 101},
      {2, 101, 101}, {2, 150, 150}, {2, 300, 44},  // low byte of 300
      {2, -5, 251},                                // below 1 stays, as a byte
      {1, 50, 0},    {1, 150, 0},   {0, 150, 0},  {3, 150, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "sx " << c.sx << " tempo " << c.tempo);
    TrackModel model = sized_model(96000);
    memo_segnale(model, {12100, c.sx, 3, 1, 0, 0, 0, 0, 0, 0, c.tempo});
    EXPECT_EQ(model.cells[243].signal_time, c.signal_time);
  }
}

TEST(Signals, PackingKeepsTheLowBits) {
  TrackModel model = sized_model(96000);
  // s1 4000 * 10 + d1 3 = 40003 -> -25533; rapp 3277 * 10 + sx 9 * 3 + dx 0
  // = 32797 -> -32739; marks (9 * 3 + 0) * 10 + k = 271..274 -> 15..18.
  memo_segnale(model, {12100, 9, 4000, 1, 2, 3277, 0, 3, 4, 5, 0});
  const Cell& cell = model.cells[243];
  EXPECT_EQ(cell.value_a, 40003 - 65536);
  EXPECT_EQ(cell.value_b, 14);
  EXPECT_EQ(cell.value_c, 25);
  EXPECT_EQ(cell.value_d, 32797 - 65536);
  EXPECT_EQ(model.cells[241].approach_mark, 15);
  EXPECT_EQ(model.cells[235].approach_mark, 18);
}

TEST(Signals, OnlyAPlainCellOrAMarkerTakesASignal) {
  for (uint8_t kind : {0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14}) {
    SCOPED_TRACE(static_cast<int>(kind));
    TrackModel model = sized_model(96000);
    model.cells[243].kind = kind;
    model.cells[243].value_a = 7;
    const TrackModel before = model;
    memo_segnale(model, {12100, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0});
    if (kind == kPlain || kind == kMountainMarker) {
      EXPECT_EQ(model.error_code, 0);
      EXPECT_EQ(model.cells[243].kind, kSignal);
      EXPECT_EQ(model.cells[243].value_a, 30);
    } else {
      EXPECT_EQ(model.error_code, errors::kSignalCellTaken);
      EXPECT_EQ(model.cells, before.cells);  // nothing written, marks neither
    }
  }
}

TEST(Signals, MarksReplaceWhateverIsThere) {
  TrackModel model = sized_model(96000);
  model.cells[241].kind = kStationStop;
  model.cells[241].approach_mark = 81;  // a station's approach mark
  model.cells[239].approach_mark = 34;  // an earlier signal's
  memo_segnale(model, {12100, 1, 3, 1, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(model.cells[241].kind, kStationStop);
  EXPECT_EQ(model.cells[241].approach_mark, 31);
  EXPECT_EQ(model.cells[239].approach_mark, 32);
}

TEST(Signals, NearTheStartMarksBelowCellZeroAreSkipped) {
  TrackModel model = sized_model(1000);
  memo_segnale(model, {300, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // cell 7
  EXPECT_EQ(model.error_code, 0);
  EXPECT_EQ(model.cells[7].kind, kSignal);
  EXPECT_EQ(model.cells[5].approach_mark, 31);
  EXPECT_EQ(model.cells[3].approach_mark, 32);
  EXPECT_EQ(model.cells[1].approach_mark, 33);
  EXPECT_EQ(model.cells[0].approach_mark, 0);
}

TEST(Signals, ACellOutsideTheArrayIsRejected) {
  const struct {
    int32_t posizione;
    int32_t code;
  } cases[] = {
      {-60, 0},  // round(-1.2 + 1) = 0: the first cell
      {-80, errors::kBeforeFirstCell},
      {-2000000000, errors::kBeforeFirstCell},
      {7950, 0},  // cell 160 = last_cell of a 1000 m line
      {8000, errors::kBeyondLastCell},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.posizione);
    TrackModel model = sized_model(1000);
    const TrackModel before = model;
    memo_segnale(model, {c.posizione, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(model.error_code, c.code);
    if (c.code != 0) {
      EXPECT_EQ(model.cells, before.cells);
    }
  }
}

}  // namespace
}  // namespace scengen
