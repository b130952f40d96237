#pragma once

// The profile of a compiled scenario: the altitude along the route relative
// to its start, summed from the cells' gradients; beneath it the mountain
// spans and the line speed; the stations marked on the distance axis in km.
// One inline SVG element.

#include <string>

#include "app/scenario_view.h"

namespace scengen {

std::string profile_svg(const ScenarioView& view);

// 1, 2 or 5 times a power of ten, at least range / ticks: the step between
// ticks of an axis over `range`. 1 when the range is not above 0.
double nice_step(double range, int ticks);

}  // namespace scengen
