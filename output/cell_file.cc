#include "output/cell_file.h"

namespace scengen {

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

}  // namespace scengen
