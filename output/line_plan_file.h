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

#include <string>
#include <string_view>
#include <vector>

#include "compiler/track_model.h"
#include "output/byte_writer.h"

namespace scengen {

// plan_last_metre = L + 7000 for a route length L of 0 to 1000000 m.
inline constexpr int64_t kMinPlanLastMetre = kMetresBeyondRoute;
inline constexpr int64_t kMaxPlanLastMetre = kMaxRouteLength + kMetresBeyondRoute;
// Every element a double: 10 bytes each, two coordinates.
inline constexpr uint64_t kMaxLinePlanFileSize = 2 * (kMaxPlanLastMetre + 1) * 10;

void write_line_plan(const TrackModel& model, ByteWriter& out);

// A line plan read back: M and the 2 * (M + 1) elements in file order.
struct LinePlan {
  int64_t last_metre = 0;
  std::vector<PlanValue> values;

  PlanValue at(int64_t metre, int coordinate) const {
    return values[static_cast<size_t>(coordinate * (last_metre + 1) + metre)];
  }
};

// Reads a line plan file back. False, with *err saying what was expected
// and at which byte, when the bytes are not one: a tag other than 0, 2 and
// 5, a value cut short, a count of elements that is not two coordinates of
// a line, or a start other than the integers (0, 0) and (0, 1) (or four
// empty elements: a plan never drawn, as a compile that stopped in the
// general block writes it).
bool read_line_plan(std::string_view bytes, LinePlan* plan, std::string* err);

}  // namespace scengen
