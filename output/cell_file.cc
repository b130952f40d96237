#include "output/cell_file.h"

#include "output/byte_reader.h"

namespace scengen {
namespace {

bool is_cell_kind(uint8_t kind) {
  switch (kind) {
    case kPlain:
    case kSignal:
    case kSlowdownEnd:
    case kSlowdownStart:
    case kSlowdownWarning:
    case kSlowdownApproach:
    case kSpeedIndicator:
    case kStationStop:
    case kMountainMarker:
    case kReductionMark:
    case kReductionMarkWithoutValue:
    case kCaption:
      return true;
  }
  return false;
}

}  // namespace

void write_cell_array(const TrackModel& model, ByteWriter& out) {
  for (const Cell& c : model.cells) {
    out.u8(c.kind);
    out.i16(c.value_a);
    out.i16(c.value_b);
    out.i16(c.value_c);
    out.i16(c.value_d);
    out.u8(c.signal_time);
    out.u8(c.approach_mark);
    out.u8(c.mountain_type);
    out.u8(c.speed_limit);
    out.u8(c.gradient);
    out.u8(c.adhesion);
  }
}

bool read_cell_array(std::string_view bytes, std::vector<Cell>* cells, std::string* err) {
  const size_t size = bytes.size();
  if (size % kCellRecordSize != 0) {
    const size_t last = size - size % kCellRecordSize;
    *err = "truncated cell file: the cell at byte " + std::to_string(last) + " has " +
           std::to_string(size - last) + " of its 15 bytes";
    return false;
  }
  const int64_t count = static_cast<int64_t>(size / kCellRecordSize);
  if (count < kMinCells || count > kMaxCells) {
    *err = "not a cell file: " + std::to_string(size) + " bytes are " + std::to_string(count) +
           " cells; a line has " + std::to_string(kMinCells) + " to " + std::to_string(kMaxCells);
    return false;
  }
  cells->assign(static_cast<size_t>(count), Cell{});
  ByteReader in(bytes);
  for (Cell& c : *cells) {
    const size_t at = in.offset();
    c.kind = in.u8();
    if (!is_cell_kind(c.kind)) {
      *err = "not a cell file: the cell at byte " + std::to_string(at) + " has kind " +
             std::to_string(c.kind) + ", which no cell has";
      return false;
    }
    c.value_a = in.i16();
    c.value_b = in.i16();
    c.value_c = in.i16();
    c.value_d = in.i16();
    c.signal_time = in.u8();
    c.approach_mark = in.u8();
    c.mountain_type = in.u8();
    c.speed_limit = in.u8();
    c.gradient = in.u8();
    c.adhesion = in.u8();
  }
  if ((*cells)[1].value_a != 5121) {
    *err = "not a compiled cell file: expected the stamp 5121 in cell 1 at byte 16, found " +
           std::to_string((*cells)[1].value_a);
    return false;
  }
  return true;
}

}  // namespace scengen
