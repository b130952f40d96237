#pragma once

// A compiled scenario as a reader sees it: the stations, signals, captions,
// mountain spans and chainage changes with their positions in metres, the
// altitude and line speed along the route, and the curves of the track
// plan. Worked out from the cell and item files (and the line plan for the
// curves) alone, so it shows what the simulator will load.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "compiler/track_model.h"
#include "output/line_plan_file.h"

namespace scengen {

struct StationView {
  int item = 0;  // its index in the item table
  std::string name;
  int32_t position = 0;  // number_3
  int32_t span_start = 0;
  int32_t span_end = 0;
  int kind = 0;
  int stop_seconds = 0;  // byte_3
  int32_t time = 0;      // number_4: seconds after midnight; 0 when the station has none
};

struct CaptionView {
  int32_t position = 0;  // the metre before its cell: (cell - 1) × 50
  std::string text;      // its item's text
};

struct SpanView {
  int32_t start = 0;  // metres, a cell's first
  int32_t end = 0;    // the metre after its last cell
  int type = 0;       // mountain_type
};

struct ChainageView {
  int32_t position = 0;
  int32_t chainage = 0;
  bool counts_down = false;
};

struct SpeedRun {
  int32_t start = 0;  // metres
  int km_h = 0;
};

struct GradientAt {
  int per_mille = 0;
  int32_t position = 0;  // the first cell that has it
};

struct ScenarioView {
  std::string scenario_name;  // item 85's text
  std::string train_code;     // item 86's text
  int32_t route_length = 0;   // item 84's number_2
  int32_t cars = 0;
  int32_t braked_mass = 0;                     // per cent
  int32_t clock = 0;                           // seconds after midnight
  std::vector<StationView> stations;           // in item order
  std::vector<int32_t> signals;                // metres, the metre before each signal cell
  std::vector<CaptionView> captions;           // by position
  std::vector<SpanView> mountains;             // by position, from the cells' mountain_type
  std::vector<ChainageView> chainage_changes;  // by position, the declared ones
  // Altitude relative to the start at metres 0, 50, 100 … and route_length,
  // summed from the cells' gradients.
  std::vector<double> altitude;
  std::vector<SpeedRun> speeds;  // where the line speed changes, from metre 0
  GradientAt steepest_climb;
  GradientAt steepest_fall;
  std::array<int, 256> kind_counts{};  // cells of each kind, 0 to last_cell
};

// False, with *err, when the two files do not make one scenario: a route
// length outside 0 to 1000000 m, or a cell count that is not that length's.
bool view_scenario(const std::vector<Cell>& cells, const std::array<Item, kItemCount>& items,
                   ScenarioView* view, std::string* err);

// Altitude at metre 50 × i (or route_length for the last point).
inline int32_t altitude_metre(const ScenarioView& view, size_t i) {
  const int64_t m = static_cast<int64_t>(i) * 50;
  return static_cast<int32_t>(m < view.route_length ? m : view.route_length);
}

// A curve of the track plan: the metres start + 1 to end turn by the same
// curvature (per metre; positive clockwise, as a curve record's k).
struct CurveView {
  int32_t start = 0;
  int32_t end = 0;
  double curvature = 0;
};

// The curves of the plan from metre 0 to `last_metre`, told by the turn of
// each metre's step: one curve for each run of metres turning by the same
// class of curvature.
std::vector<CurveView> curves_of(const LinePlan& plan, int32_t last_metre);

}  // namespace scengen
