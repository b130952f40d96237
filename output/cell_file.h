#pragma once

// The cell file: cells 0 to last_cell in index order, 15 bytes each, packed
// little-endian:
//
//   kind u8 | value_a..value_d i16 | signal_time u8 | approach_mark u8 |
//   mountain_type u8 | speed_limit u8 | gradient u8 | adhesion u8

#include "compiler/track_model.h"
#include "output/byte_writer.h"

namespace scengen {

inline constexpr int kCellRecordSize = 15;

void write_cell_array(const TrackModel& model, ByteWriter& out);

}  // namespace scengen
