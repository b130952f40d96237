#include "compiler/track_model.h"

#include <utility>

namespace scengen {

void size_model(TrackModel& model, int32_t length) {
  model.plan_last_metre = length + kMetresBeyondRoute;
  model.last_cell =
      static_cast<int32_t>(round_even(static_cast<double>(model.plan_last_metre) / 50));
  model.cells.assign(static_cast<size_t>(model.last_cell) + 1, Cell{});
  model.track_plan.clear();
  if (model.plan_enabled != 0) {
    model.track_plan.assign(2 * (static_cast<size_t>(model.plan_last_metre) + 1));
  }
}

void clear_items(TrackModel& model) { model.items.fill(Item{}); }

void record_error(TrackModel& model, int32_t code, std::optional<int32_t> position,
                  std::string file, int line, std::string detail) {
  model.error_code = code;
  if (position) model.error_position = *position;
  model.diagnostics.push_back({code, position, std::move(file), line, std::move(detail)});
}

}  // namespace scengen
