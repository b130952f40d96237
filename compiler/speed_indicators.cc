#include "compiler/speed_indicators.h"

#include "compiler/error_codes.h"

namespace scengen {
namespace {

// round(d / 5 + s * 20) into a value word; false when it does not fit.
bool speed_word(int32_t s, int32_t d, int16_t* word, std::string* failure) {
  const int64_t v = round_even(static_cast<double>(d) / 5 + static_cast<double>(s) * 20);
  if (v < INT16_MIN || v > INT16_MAX) {
    *failure = "la velocità " + std::to_string(v) + " del cartello non sta in 16 bit";
    return false;
  }
  *word = static_cast<int16_t>(v);
  return true;
}

}  // namespace

bool memo_indicatori_v_max(TrackModel& model, const SpeedIndicatorRecord& r, std::string* failure) {
  const int64_t i = point_cell(r.posizione);
  if (i < 0) {
    model.error_code = errors::kBeforeFirstCell;
    return true;
  }
  if (!has_cell(model, i)) {
    model.error_code = errors::kBeyondLastCell;
    return true;
  }
  Cell& cell = model.cells[static_cast<size_t>(i)];
  if (!is_free(cell)) {
    model.error_code = errors::kIndicatorCellTaken;
    return true;
  }
  // Stored field by field, in this order: a speed that does not fit leaves
  // what was stored before it.
  cell.kind = kSpeedIndicator;
  if (!speed_word(r.vas, r.vad, &cell.value_a, failure)) return false;
  if (!speed_word(r.vbs, r.vbd, &cell.value_b, failure)) return false;
  if (!speed_word(r.vcs, r.vcd, &cell.value_c, failure)) return false;
  cell.value_d = static_cast<int16_t>(int64_t{r.strisces} * 10 + r.strisced);
  return true;
}

}  // namespace scengen
