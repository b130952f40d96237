#include "app/label_layout.h"

#include <algorithm>
#include <numeric>

namespace scengen {

std::vector<double> spread_labels(const std::vector<double>& wanted, double gap, double lo,
                                  double hi) {
  const size_t n = wanted.size();
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return wanted[a] < wanted[b]; });
  std::vector<double> at(n);
  // Down from lo, pushing each label past the one before it; then up from
  // hi, pulling back those pushed too far; then down from lo once more, so
  // that when there is no room it is the last that overflow.
  for (size_t k = 0; k < n; ++k) {
    const double floor = k == 0 ? lo : at[order[k - 1]] + gap;
    at[order[k]] = std::max(std::clamp(wanted[order[k]], lo, hi), floor);
  }
  for (size_t k = n; k-- > 0;) {
    const double ceiling = k + 1 == n ? hi : at[order[k + 1]] - gap;
    at[order[k]] = std::min(at[order[k]], ceiling);
  }
  for (size_t k = 0; k < n; ++k) {
    const double floor = k == 0 ? lo : at[order[k - 1]] + gap;
    at[order[k]] = std::max(at[order[k]], floor);
  }
  return at;
}

}  // namespace scengen
