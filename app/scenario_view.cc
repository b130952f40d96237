#include "app/scenario_view.h"

#include <algorithm>
#include <cmath>

#include "app/compiled_files.h"

namespace scengen {
namespace {

int32_t cell_metre(size_t cell) { return static_cast<int32_t>(cell) * 50; }

// Point objects sit in the cell after the one that holds their position.
int32_t point_position(size_t cell) { return cell_metre(cell) - 50; }

void view_items(const std::array<Item, kItemCount>& items, ScenarioView* view) {
  const Item& general = items[kGeneralItem];
  view->braked_mass = general.number_1;
  view->route_length = general.number_2;
  view->cars = general.number_3;
  view->scenario_name = items[kBackgroundItem].text;
  const Item& train = items[kRepetitionItem];
  view->train_code = train.text;
  view->clock = (int32_t{train.word_3} * 60 + train.word_4) * 60 + train.word_5;

  for (int i = 1; i <= kFirstCaptionSlot; ++i) {
    const Item& it = items[i];
    if (std::string_view(item_label(i, it)) != "station") continue;
    view->stations.push_back(
        {i, it.text, it.number_3, it.number_1, it.number_2, it.kind, it.byte_3, it.number_4});
  }
  for (int i = kChainageItemFirst; i < kGeneralItem; ++i) {
    const Item& it = items[i];
    if (it.number_1 == 0 && it.number_2 == 0 && it.number_3 == 0) continue;  // not declared
    view->chainage_changes.push_back({it.number_1, it.number_2, it.number_3 == 1});
  }
  std::stable_sort(
      view->chainage_changes.begin(), view->chainage_changes.end(),
      [](const ChainageView& a, const ChainageView& b) { return a.position < b.position; });
}

void view_cells(const std::vector<Cell>& cells, const std::array<Item, kItemCount>& items,
                ScenarioView* view) {
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& c = cells[i];
    ++view->kind_counts[c.kind];
    if (c.kind == kSignal) view->signals.push_back(point_position(i));
    if (c.kind == kCaption) {
      const bool known = c.value_a >= 1 && c.value_a <= kFirstCaptionSlot;
      view->captions.push_back(
          {point_position(i), known ? items[static_cast<size_t>(c.value_a)].text : "?"});
    }
    if (c.mountain_type != 0) {
      SpanView* last = view->mountains.empty() ? nullptr : &view->mountains.back();
      if (last && last->end == cell_metre(i) && last->type == c.mountain_type) {
        last->end = cell_metre(i + 1);
      } else {
        view->mountains.push_back({cell_metre(i), cell_metre(i + 1), c.mountain_type});
      }
    }
  }

  // The route's cells: 0 up to the one that holds its last metre.
  const size_t route_cells = static_cast<size_t>((int64_t{view->route_length} + 49) / 50);
  view->altitude.assign(1, 0.0);
  view->steepest_climb = view->steepest_fall = {cells[0].gradient - 100, 0};
  for (size_t i = 0; i < route_cells; ++i) {
    const Cell& c = cells[i];
    const int per_mille = c.gradient - 100;
    const double metres = altitude_metre(*view, i + 1) - altitude_metre(*view, i);
    view->altitude.push_back(view->altitude.back() + per_mille * metres / 1000);
    if (per_mille > view->steepest_climb.per_mille)
      view->steepest_climb = {per_mille, cell_metre(i)};
    if (per_mille < view->steepest_fall.per_mille) view->steepest_fall = {per_mille, cell_metre(i)};
    const int km_h = c.speed_limit * 5;
    if (view->speeds.empty() || view->speeds.back().km_h != km_h) {
      view->speeds.push_back({cell_metre(i), km_h});
    }
  }
}

}  // namespace

bool view_scenario(const std::vector<Cell>& cells, const std::array<Item, kItemCount>& items,
                   ScenarioView* view, std::string* err) {
  *view = ScenarioView();
  view_items(items, view);
  const int64_t length = view->route_length;
  if (length < 0 || length > kMaxRouteLength) {
    *err = "the item file gives a route length of " + std::to_string(length) + " m, outside 0 to " +
           std::to_string(kMaxRouteLength);
    return false;
  }
  const int64_t last_cell = round_even(static_cast<double>(length + kMetresBeyondRoute) / 50);
  if (static_cast<int64_t>(cells.size()) != last_cell + 1) {
    *err = "the cell file has " + std::to_string(cells.size()) + " cells, and a route of " +
           std::to_string(length) + " m has " + std::to_string(last_cell + 1) +
           ": the two files are not of one compile";
    return false;
  }
  view_cells(cells, items, view);
  return true;
}

std::vector<CurveView> curves_of(const LinePlan& plan, int32_t last_metre) {
  // The six curvatures a curve record can give.
  static constexpr double kClasses[] = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
  std::vector<CurveView> curves;
  const int64_t last = std::min<int64_t>(last_metre, plan.last_metre - 2);
  auto point = [&](int64_t m, double* x, double* y) {
    const PlanValue a = plan.at(m, 0), b = plan.at(m, 1);
    *x = a.value;
    *y = b.value;
    return a.tag != PlanTag::kEmpty && b.tag != PlanTag::kEmpty && std::isfinite(a.value) &&
           std::isfinite(b.value);
  };
  for (int64_t m = 2; m <= last; ++m) {
    double x0, y0, x1, y1, x2, y2;
    if (!point(m - 2, &x0, &y0) || !point(m - 1, &x1, &y1) || !point(m, &x2, &y2)) continue;
    const double ax = x1 - x0, ay = y1 - y0, bx = x2 - x1, by = y2 - y1;
    // Clockwise turns have a negative cross product with coordinate 1 up;
    // a curve record's k is positive for them.
    const double turn = -std::atan2(ax * by - ay * bx, ax * bx + ay * by);
    if (!(std::fabs(turn) >= 0.00005)) continue;
    double k = kClasses[0];
    for (double c : kClasses) {
      if (std::fabs(std::fabs(turn) - c) < std::fabs(std::fabs(turn) - k)) k = c;
    }
    k = std::copysign(k, turn);
    if (!curves.empty() && curves.back().end == m - 1 && curves.back().curvature == k) {
      curves.back().end = static_cast<int32_t>(m);
    } else {
      curves.push_back({static_cast<int32_t>(m - 1), static_cast<int32_t>(m), k});
    }
  }
  return curves;
}

}  // namespace scengen
