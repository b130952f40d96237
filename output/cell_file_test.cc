#include "output/cell_file.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace scengen
