#pragma once

#include "compiler/track_model.h"

namespace scengen::testing {

// A model sized for a route of `length` metres, as the route-length record
// leaves it: 1000 m gives last_cell 160, 96000 m gives 2060.
inline TrackModel sized_model(int32_t length, int32_t plan_enabled = 0) {
  TrackModel model;
  model.plan_enabled = plan_enabled;
  size_model(model, length);
  return model;
}

}  // namespace scengen::testing
