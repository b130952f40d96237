#pragma once

// Labels beside a drawing, kept apart: each wants to sit level with its
// point, and where points crowd the labels are moved apart, in their order,
// just as far as needed.

#include <vector>

namespace scengen {

// Positions along one axis for labels that want `wanted` (any order), at
// least `gap` apart, within lo..hi as far as there is room (with n labels
// and hi - lo < (n - 1) × gap, the first ones start at lo and the last go
// past hi). The result is in the order of `wanted`.
std::vector<double> spread_labels(const std::vector<double>& wanted, double gap, double lo,
                                  double hi);

}  // namespace scengen
