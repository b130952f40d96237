#pragma once

// The track plan seen from above: one point per metre, drawn by stepping one
// metre at a time, straight on or turned by a curve's curvature k. A straight
// step repeats the previous step (d0, d1); a curve step turns it:
//   P0(j) = P0(j-1) + (d0 + k * d1)
//   P1(j) = P1(j-1) + (d1 - k * d0)
// in exactly this order of double operations, so that the plan is the same
// bit for bit on every build. The step is not brought back to unit length.

#include <cstdint>
#include <optional>
#include <string>

#include "compiler/track_model.h"

namespace scengen {

// Metres 0 and 1 as 16-bit integers: (0, 0) and (0, 1), so the line starts at
// the origin heading along coordinate 1. The plan must exist.
void plan_start(TrackModel& model);

// Draws straight up to and including metre `start`, then curves with k up to
// and including start + length, from *plan_cursor on (metres behind the
// cursor are not drawn again). Returns 0, or the error code that stops the
// parser: 203 when the curve would draw past plan_last_metre - 2 (nothing is
// drawn then), 103 once the cursor passes metre 1000000.
int32_t plan_curve(TrackModel& model, int64_t* plan_cursor, int64_t start, int64_t length,
                   double k);

// Straight on up to plan_last_metre - 2; the last two metres stay empty.
void plan_end(TrackModel& model, int64_t* plan_cursor);

// The curvature of a curve keyword: the first of the class digits 1..6 that
// occurs in it gives 0.0001, 0.0002, 0.0004, 0.001, 0.002 or 0.003, negated
// when the keyword holds an "s" in either case. nullopt without a digit.
std::optional<double> curvature(const std::string& keyword);

}  // namespace scengen
