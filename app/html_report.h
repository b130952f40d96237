#pragma once

// The report page of a compiled scenario: one self-contained HTML file
// (inline SVG and CSS, nothing loaded from anywhere, no script) that opens
// offline in any browser and prints. It holds a summary, the map, the
// profile, the timetable with the chainage changes, and the captions.

#include <string>
#include <vector>

#include "app/scenario_view.h"
#include "output/line_plan_file.h"

namespace scengen {

struct ReportSources {
  std::vector<std::string> files;  // the compiled files read, as named to the reader
  // When there is no plan to draw: why, as the map section says it.
  std::string no_plan;
};

// `plan` may be null; then sources.no_plan says why.
std::string html_report(const ScenarioView& view, const LinePlan* plan,
                        const ReportSources& sources);

}  // namespace scengen
