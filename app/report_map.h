#pragma once

// The map of a compiled scenario: the track plan drawn to scale, north up
// (coordinate 1 of the plan up, coordinate 0 to the right), with the
// stations, signals, captions and mountain spans along it, the start and the
// end named, a scale bar and a north arrow. One inline SVG element.

#include <string>

#include "app/scenario_view.h"
#include "output/line_plan_file.h"

namespace scengen {

// False, with *why saying it for the page, when the plan cannot be drawn for
// this route: it is of a route of another length, or a metre of the route
// has no coordinates or coordinates that are not finite numbers.
bool map_svg(const ScenarioView& view, const LinePlan& plan, std::string* svg, std::string* why);

}  // namespace scengen
