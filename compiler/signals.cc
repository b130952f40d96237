#include "compiler/signals.h"

#include "compiler/error_codes.h"

namespace scengen {

void memo_segnale(TrackModel& model, const SignalRecord& r) {
  const int64_t i = point_cell(r.posizione);
  if (i < 0) {
    model.error_code = errors::kBeforeFirstCell;
    return;
  }
  if (!has_cell(model, i)) {
    model.error_code = errors::kBeyondLastCell;
    return;
  }
  Cell& cell = model.cells[static_cast<size_t>(i)];
  if (!is_free(cell)) {
    model.error_code = errors::kSignalCellTaken;
    return;
  }
  const int64_t aspects = int64_t{r.sx} * 3 + r.dx;
  cell.kind = kSignal;
  cell.value_d = static_cast<int16_t>(int64_t{r.rapp} * 10 + aspects);
  cell.value_a = static_cast<int16_t>(int64_t{r.s1} * 10 + r.d1);
  cell.value_b = static_cast<int16_t>(int64_t{r.s2} * 10 + r.d2);
  cell.value_c = static_cast<int16_t>(int64_t{r.s3} * 10 + r.d3);
  // A waiting time of 1 to 100 s is too short for the simulator: it becomes
  // 101. Only a signal whose sx aspect is 2 keeps a time.
  const int32_t tempo = (r.tempo >= 1 && r.tempo <= 100) ? 101 : r.tempo;
  cell.signal_time = r.sx == 2 ? static_cast<uint8_t>(tempo) : 0;
  for (int64_t k = 1; k <= 4; ++k) {
    const int64_t c = i - 2 * k;
    if (c < 0) continue;
    model.cells[static_cast<size_t>(c)].approach_mark = static_cast<uint8_t>(aspects * 10 + k);
  }
}

}  // namespace scengen
