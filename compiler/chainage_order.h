#pragma once

#include "compiler/track_model.h"

namespace scengen {

// Puts the three chainage changes of items 81..83 in order of route
// position, latest first, moving each record whole (position, chainage,
// flag), then adds 100 to the chainage of each record whose flag is 1.
//
// All tests are strict: when two records share the largest position none of
// them is first and all three items become zero. When the positions add up
// to 0 (no change declared) the chainages decide instead, each later test
// overriding the earlier ones. Only number_1..number_3 of the three items
// change.
void progressive_ordina(TrackModel& model);

}  // namespace scengen
