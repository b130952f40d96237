#pragma once

#include <cstdint>

#include "compiler/track_model.h"

namespace scengen {

// One mountain record: stamps the type over the cells round(inizio / 50) to
// round(fine / 50 - 1). A tipo above 10 means type tipo - 10 with a marker
// (kind 11) on every fourth cell of the span that is plain, the cells 150,
// 350, 550 ... m after inizio. A span starting 150 m or less after the end
// of the record before it (an overlap too) gets type 3.
//
// Sets error_code and writes nothing for spans the model has no room for:
// 202 for an 81st record, 200 for a span reaching below cell 0, 201 for one
// reaching past last_cell. The caller stores inizio as the position.
void memo_montagna(TrackModel& model, int32_t inizio, int32_t fine, int32_t tipo);

}  // namespace scengen
