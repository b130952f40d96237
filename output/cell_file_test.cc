#include "output/cell_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test/sized_model.h"

namespace scengen {
namespace {

TEST(CellFile, FifteenBytesACellInIndexOrder) {
  TrackModel m = testing::sized_model(1000);  // last_cell 160
  // The first signal of the carried train: 6650 m, cell 134 on a longer line.
  m.cells[134 - 100] = Cell{1, 50, 10, 0, 3, 0, 0, 0, 16, 113, 100};
  m.cells[1] = Cell{0, 5121, -1, 0, 0, 0, 0, 0, 0, 0, 0};
  const std::string b = bytes_of([&](ByteWriter& w) { write_cell_array(m, w); });
  ASSERT_EQ(b.size(), 161u * 15);
  EXPECT_EQ(b.substr(0, 15), std::string(15, '\0'));
  EXPECT_EQ(b.substr(15, 5), std::string("\x00"       // kind 0
                                         "\x01\x14"   // value_a = 5121, i16 LE
                                         "\xFF\xFF",  // value_b = -1
                                         5));
  EXPECT_EQ(b.substr(34 * 15, 15), std::string("\x01"      // kind 1, signal
                                               "\x32\x00"  // value_a = 50
                                               "\x0A\x00"  // value_b = 10
                                               "\x00\x00"  // value_c = 0
                                               "\x03\x00"  // value_d = 3
                                               "\x00"      // signal_time
                                               "\x00"      // approach_mark
                                               "\x00"      // mountain_type
                                               "\x10"      // speed_limit = 16 (80 km/h)
                                               "\x71"      // gradient = 113 (13 per mille)
                                               "\x64",     // adhesion = 100
                                               15));
}

// The cell file of a 1000 m line, stamped like a compiled one.
std::string stamped_cells() {
  TrackModel m = testing::sized_model(1000);  // 161 cells
  m.cells[1].value_a = 5121;
  m.cells[34] = Cell{1, 50, 10, 0, 3, 101, 31, 2, 16, 113, 100};
  return bytes_of([&](ByteWriter& w) { write_cell_array(m, w); });
}

TEST(CellFile, ReadsBackWhatWasWritten) {
  std::vector<Cell> cells;
  std::string err;
  ASSERT_TRUE(read_cell_array(stamped_cells(), &cells, &err)) << err;
  ASSERT_EQ(cells.size(), 161u);
  EXPECT_EQ(cells[1].value_a, 5121);
  EXPECT_EQ(cells[34], (Cell{1, 50, 10, 0, 3, 101, 31, 2, 16, 113, 100}));
  EXPECT_EQ(cells[160], Cell{});
}

TEST(CellFile, WhatIsNotACompiledCellFileSaysWhereItGoesWrong) {
  const std::string good = stamped_cells();
  std::string wrong_kind = good;
  wrong_kind[45] = 7;  // cell 3
  std::string unstamped = good;
  unstamped[16] = 0;
  const struct {
    std::string bytes;
    std::string error;
  } cases[] = {
      {good.substr(0, good.size() - 1),
       "truncated cell file: the cell at byte 2400 has 14 of its 15 bytes"},
      {good.substr(0, 2100), "not a cell file: 2100 bytes are 140 cells; a line has 141 to 20141"},
      {std::string(20142 * 15, '\0'),
       "not a cell file: 302130 bytes are 20142 cells; a line has 141 to 20141"},
      {"", "not a cell file: 0 bytes are 0 cells; a line has 141 to 20141"},
      {wrong_kind, "not a cell file: the cell at byte 45 has kind 7, which no cell has"},
      {unstamped,
       "not a compiled cell file: expected the stamp 5121 in cell 1 at byte 16, found 5120"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    std::vector<Cell> cells;
    std::string err;
    EXPECT_FALSE(read_cell_array(c.bytes, &cells, &err));
    EXPECT_EQ(err, c.error);
  }
}

}  // namespace
}  // namespace scengen
