#pragma once

// The passes over the finished cell array. They put reduction marks (kind
// 12, value_a 180) where the driver must be warned to slow down:
//
//   - before every signal in the 20 cells (1000 m) before a slowdown warning;
//   - in three approach windows 5-7, 11-13 and 18-20 cells before a slowdown
//     start (250-350 m, 550-650 m, 900-1000 m);
//   - every 8 cells (400 m) through a slowdown slower than 110 km/h;
//   - just before the first signal within 12 cells after a slowdown's end.
//
// A mark that finds no room records 11, 12 or 13 at the cell concerned and
// the pass goes on.

#include <cstdint>
#include <string>

#include "compiler/track_model.h"

namespace scengen {

// y when x > y, otherwise x: the smaller, x on a tie.
inline int32_t minimo(int32_t x, int32_t y) { return x > y ? y : x; }

// One walk over cells 1 to last_cell - 2; marks set for an earlier cell are
// seen by a later one. A walk through or after a slowdown stops at the last
// cell: one that would go past it records its own code. `file` names the
// text that holds the signals and slowdowns, for the diagnostics.
void cell_passes(TrackModel& model, const std::string& file);

}  // namespace scengen
