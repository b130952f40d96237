#include "compiler/track_plan.h"

#include <algorithm>
#include <array>

#include "compiler/error_codes.h"

namespace scengen {
namespace {

constexpr int64_t kCursorLimit = 1000000;

void set_int(TrackModel& model, int64_t m, int q, int16_t v) {
  set_plan(model, m, q, {PlanTag::kInt16, static_cast<double>(v)});
}

void step(TrackModel& model, int64_t j, double k, bool curve) {
  const double p0 = plan_at(model, j - 1, 0).value;
  const double p1 = plan_at(model, j - 1, 1).value;
  const double d0 = p0 - plan_at(model, j - 2, 0).value;
  const double d1 = p1 - plan_at(model, j - 2, 1).value;
  if (curve) {
    set_plan(model, j, 0, {PlanTag::kDouble, p0 + (d0 + k * d1)});
    set_plan(model, j, 1, {PlanTag::kDouble, p1 + (d1 - k * d0)});
  } else {
    set_plan(model, j, 0, {PlanTag::kDouble, p0 + d0});
    set_plan(model, j, 1, {PlanTag::kDouble, p1 + d1});
  }
}

}  // namespace

void plan_start(TrackModel& model) {
  set_int(model, 0, 0, 0);
  set_int(model, 0, 1, 0);
  set_int(model, 1, 0, 0);
  set_int(model, 1, 1, 1);
}

int32_t plan_curve(TrackModel& model, int64_t* plan_cursor, int64_t start, int64_t length,
                   double k) {
  const int64_t end = start + length;
  // Nothing but the last two metres may stay undrawn: no room past them.
  if (std::max(start, end) > int64_t{model.plan_last_metre} - 2) return errors::kCurvePastPlanEnd;
  while (*plan_cursor <= start) {
    step(model, *plan_cursor, 0, false);
    if (++*plan_cursor > kCursorLimit) return errors::kBadCurve;
  }
  while (*plan_cursor <= end) {
    step(model, *plan_cursor, k, true);
    if (++*plan_cursor > kCursorLimit) return errors::kBadCurve;
  }
  return 0;
}

void plan_end(TrackModel& model, int64_t* plan_cursor) {
  while (*plan_cursor <= int64_t{model.plan_last_metre} - 2) {
    step(model, *plan_cursor, 0, false);
    ++*plan_cursor;
  }
}

std::optional<double> curvature(const std::string& keyword) {
  static constexpr std::array<double, 6> kPerClass = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
  for (int c = 0; c < 6; ++c) {
    if (keyword.find(static_cast<char>('1' + c)) != std::string::npos) {
      const bool left = keyword.find_first_of("sS") != std::string::npos;
      return left ? -kPerClass[c] : kPerClass[c];
    }
  }
  return std::nullopt;
}

}  // namespace scengen
