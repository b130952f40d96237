#pragma once

// The cell file: cells 0 to last_cell in index order, 15 bytes each, packed
// little-endian:
//
//   kind u8 | value_a..value_d i16 | signal_time u8 | approach_mark u8 |
//   mountain_type u8 | speed_limit u8 | gradient u8 | adhesion u8

#include <string>
#include <string_view>
#include <vector>

#include "compiler/track_model.h"
#include "output/byte_writer.h"

namespace scengen {

inline constexpr int kCellRecordSize = 15;
// A compiled line has last_cell = round((L + 7000) / 50) for a route length
// L of 0 to 1000000 m: 141 to 20141 cells.
inline constexpr int64_t kMinCells = 141;
inline constexpr int64_t kMaxCells = 20141;

void write_cell_array(const TrackModel& model, ByteWriter& out);

// Reads a cell file back. False, with *err saying what was expected and at
// which byte, when the bytes are not a compiled cell file: a size that is
// not whole cells or not a line's, a kind no cell has, or cell 1 without
// the stamp 5121.
bool read_cell_array(std::string_view bytes, std::vector<Cell>* cells, std::string* err);

}  // namespace scengen
