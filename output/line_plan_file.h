#pragma once

// The line plan file: every element of the track plan in storage order,
// coordinate 0 of metres 0..M and then coordinate 1 of the same metres
// (M = plan_last_metre), each as a tagged number with no header:
//
//   tag u16 = 2   then the value as i16     (metres 0 and 1)
//   tag u16 = 5   then the value as f64     (the drawn metres)
//   tag u16 = 0   and nothing after it      (never drawn: metres M-1 and M)
//
// For a drawn route each coordinate takes 10 * M - 18 bytes.

#include "compiler/track_model.h"
#include "output/byte_writer.h"

namespace scengen {

void write_line_plan(const TrackModel& model, ByteWriter& out);

}  // namespace scengen
