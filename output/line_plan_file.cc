#include "output/line_plan_file.h"

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

}  // namespace scengen
