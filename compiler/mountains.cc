#include "compiler/mountains.h"

#include "compiler/error_codes.h"

namespace scengen {

void memo_montagna(TrackModel& model, int32_t inizio, int32_t fine, int32_t tipo) {
  const bool markers = tipo > 10;
  int64_t type = markers ? int64_t{tipo} - 10 : tipo;

  const int64_t first = run_cell(inizio);
  const int64_t last = round_even(static_cast<double>(fine) / 50 - 1);
  if (model.mountain_count >= kMaxMountains) {
    model.error_code = errors::kTooManyMountains;
    return;
  }
  if (first <= last && first < 0) {
    model.error_code = errors::kBeforeFirstCell;
    return;
  }
  if (first <= last && last > model.last_cell) {
    model.error_code = errors::kBeyondLastCell;
    return;
  }

  const int32_t n = ++model.mountain_count;
  model.mountain_start[n] = inizio;
  model.mountain_end[n] = fine;
  if (n > 1 && int64_t{inizio} - model.mountain_end[n - 1] <= 150) type = 3;

  for (int64_t i = first, k = 1; i <= last; ++i, ++k) {
    Cell& cell = model.cells[static_cast<size_t>(i)];
    cell.mountain_type = static_cast<uint8_t>(type);  // the low 8 bits
    if (markers && k % 4 == 0 && cell.kind == kPlain) cell.kind = kMountainMarker;
  }
}

}  // namespace scengen
