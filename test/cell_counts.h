#pragma once

#include <algorithm>

#include "compiler/track_model.h"

namespace scengen::testing {

// How many cells of the model are of `kind`.
inline int count_cells(const TrackModel& model, uint8_t kind) {
  return static_cast<int>(std::count_if(model.cells.begin(), model.cells.end(),
                                        [kind](const Cell& c) { return c.kind == kind; }));
}

}  // namespace scengen::testing
