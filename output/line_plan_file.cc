#include "output/line_plan_file.h"

#include "output/byte_reader.h"

namespace scengen {

void write_line_plan(const TrackModel& model, ByteWriter& out) {
  const TrackPlan& plan = model.track_plan;
  for (size_t i = 0; i < plan.size(); ++i) {
    const PlanValue v = plan[i];
    out.u16(static_cast<uint16_t>(v.tag));
    switch (v.tag) {
      case PlanTag::kInt16:
        out.i16(static_cast<int16_t>(v.value));
        break;
      case PlanTag::kDouble:
        out.f64(v.value);
        break;
      case PlanTag::kEmpty:
        break;
    }
  }
}

bool read_line_plan(std::string_view bytes, LinePlan* plan, std::string* err) {
  ByteReader in(bytes);
  std::vector<PlanValue>& values = plan->values;
  values.clear();
  while (in.left() > 0) {
    const size_t at = in.offset();
    if (!in.has(2)) {
      *err = "truncated line plan file: 1 byte at byte " + std::to_string(at) +
             " where a 2-byte tag was expected";
      return false;
    }
    const uint16_t tag = in.u16();
    const size_t size = tag == 2 ? 2 : tag == 5 ? 8 : 0;
    if (tag != 0 && tag != 2 && tag != 5) {
      *err = "not a line plan file: the value at byte " + std::to_string(at) + " has tag " +
             std::to_string(tag) + ", expected 0, 2 or 5";
      return false;
    }
    if (!in.has(size)) {
      *err = "truncated line plan file: the value at byte " + std::to_string(at) + " (tag " +
             std::to_string(tag) + ") needs " + std::to_string(size) +
             " bytes after its tag, only " + std::to_string(in.left()) + " are left";
      return false;
    }
    if (tag == 2) {
      values.push_back({PlanTag::kInt16, static_cast<double>(in.i16())});
    } else if (tag == 5) {
      values.push_back({PlanTag::kDouble, in.f64()});
    } else {
      values.push_back({});
    }
  }
  const int64_t count = static_cast<int64_t>(values.size());
  const int64_t last_metre = count / 2 - 1;
  if (count % 2 != 0 || last_metre < kMinPlanLastMetre || last_metre > kMaxPlanLastMetre) {
    *err = "not a line plan file: " + std::to_string(count) +
           " values are not two coordinates of a line (each of " +
           std::to_string(kMinPlanLastMetre + 1) + " to " + std::to_string(kMaxPlanLastMetre + 1) +
           " metres)";
    return false;
  }
  plan->last_metre = last_metre;
  // Every drawn line starts at the origin heading along coordinate 1. A
  // compile that stopped in the general block, before the plan was started,
  // writes it with every element empty.
  const struct {
    int coordinate;
    int64_t metre;
    double value;
  } start[] = {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {1, 1, 1}};
  bool never_drawn = true;
  for (const auto& s : start) never_drawn &= plan->at(s.metre, s.coordinate).tag == PlanTag::kEmpty;
  if (never_drawn) return true;
  for (const auto& s : start) {
    const PlanValue v = plan->at(s.metre, s.coordinate);
    if (v.tag != PlanTag::kInt16 || v.value != s.value) {
      const size_t index = static_cast<size_t>(s.coordinate * (last_metre + 1) + s.metre);
      size_t at = 0;
      for (size_t i = 0; i < index; ++i) {
        at += values[i].tag == PlanTag::kInt16 ? 4 : values[i].tag == PlanTag::kDouble ? 10 : 2;
      }
      *err = "not a line plan file: expected the integer " +
             std::to_string(static_cast<int>(s.value)) + " for metre " + std::to_string(s.metre) +
             " of coordinate " + std::to_string(s.coordinate) + " at byte " + std::to_string(at);
      return false;
    }
  }
  return true;
}

}  // namespace scengen
