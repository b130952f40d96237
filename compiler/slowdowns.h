#pragma once

#include <cstdint>

#include "compiler/track_model.h"

namespace scengen {

// A slowdown record in the order of the text.
struct SlowdownRecord {
  int32_t x = 0;     // where the slowdown starts, metres
  int32_t v = 0;     // its value: value_a of the start, end and warning cells
  int32_t l = 0;     // its length: the end lies at x + l
  int32_t f_tt = 0;  // value_c of the start and end cells
  int32_t f_ta = 0;  // not 0: four approach cells before the warning board
  int32_t d_v = 0;   // not 0: value_b of the start, end and warning cells
};

// Lays out one slowdown as a group of cells, in route order:
//   approach  w - 3 .. w, w = round((x - 1200) / 50), order numbers 4..1,
//             kind 5, only with f_ta and x > 1500;
//   warning   round((x - 1200) / 50 + 1), kind 4, only when x > 1500;
//   start     round(x / 50 + 1), kind 3;
//   end       round((x + l) / 50 + 1), kind 2 (kind 3 when l puts it into
//             the start cell).
// At x = 1525 one cell lies between cell w and the warning cell; at 1575
// they are the same cell, so the approach cells cannot go in (code 20).
//
// Sets error_code and returns: 17, 18 or 19 when the warning, start or end
// cell is not free (nothing written); 20 when an approach cell is not free
// (the warning, start and end cells stay written); 200 or 201 when the start
// or end cell lies below cell 0 or past last_cell (nothing written).
void memo_rallentamento(TrackModel& model, const SlowdownRecord& r);

}  // namespace scengen
