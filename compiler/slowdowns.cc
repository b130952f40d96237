#include "compiler/slowdowns.h"

#include "compiler/error_codes.h"

namespace scengen {
namespace {

// Outside the array: 200 below cell 0, 201 past last_cell; 0 inside.
int32_t outside(const TrackModel& model, int64_t c) {
  if (c < 0) return errors::kBeforeFirstCell;
  if (!has_cell(model, c)) return errors::kBeyondLastCell;
  return 0;
}

}  // namespace

void memo_rallentamento(TrackModel& model, const SlowdownRecord& r) {
  const int64_t x = r.x;
  const bool warned = x > 1500;
  // Without a warning board there is nothing to approach.
  const bool approached = warned && r.f_ta != 0;
  const int64_t w1 = point_cell(x - 1200);
  const int64_t s = point_cell(x);
  const int64_t e = point_cell(x + r.l);
  const int64_t w = run_cell(x - 1200);
  auto cell = [&](int64_t c) -> Cell& { return model.cells[static_cast<size_t>(c)]; };

  // With x above 1500 the warning cell lies below the start cell and above
  // cell 6, so it is inside the array whenever the start cell is.
  if (int32_t code = outside(model, s)) {
    model.error_code = code;
    return;
  }
  if (warned && !is_free(cell(w1))) {
    model.error_code = errors::kWarningCellTaken;
    return;
  }
  if (!is_free(cell(s))) {
    model.error_code = errors::kSlowdownStartTaken;
    return;
  }
  if (int32_t code = outside(model, e)) {
    model.error_code = code;
    return;
  }
  if (!is_free(cell(e))) {
    model.error_code = errors::kSlowdownEndTaken;
    return;
  }

  const auto d_v = static_cast<int16_t>(r.d_v);
  const auto v = static_cast<int16_t>(r.v);
  cell(e).kind = kSlowdownEnd;
  if (r.d_v != 0) cell(e).value_b = d_v;
  cell(s).kind = kSlowdownStart;
  if (r.d_v != 0) cell(s).value_b = d_v;
  if (warned) {
    cell(w1).kind = kSlowdownWarning;
    if (r.d_v != 0) cell(w1).value_b = d_v;
    cell(w1).value_a = v;
  }
  for (int64_t c : {s, e}) {
    cell(c).value_a = v;
    cell(c).value_c = static_cast<int16_t>(r.f_tt);
  }

  if (approached) {
    // w is at least round(301 / 50) = 6 here, so w - 3 is inside the array.
    for (int64_t i = 0; i < 4; ++i) {
      if (!is_free(cell(w - i))) {
        model.error_code = errors::kApproachCellTaken;
        return;
      }
    }
    for (int64_t i = 0; i < 4; ++i) {
      Cell& approach = cell(w - i);
      approach.kind = kSlowdownApproach;
      approach.value_a = static_cast<int16_t>(i + 1);
      if (r.d_v != 0) approach.value_b = static_cast<int16_t>(i + 1);
    }
  }
}

}  // namespace scengen
