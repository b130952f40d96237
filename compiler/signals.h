#pragma once

#include <cstdint>

#include "compiler/track_model.h"

namespace scengen {

// A signal record in the order of the text. The s... and d... values pair up
// digit by digit (s1 with d1 and so on); sx and dx are the two aspects that
// also give the approach marks.
struct SignalRecord {
  int32_t posizione = 0;
  int32_t sx = 0, s1 = 0, s2 = 0, s3 = 0;
  int32_t rapp = 0;
  int32_t dx = 0, d1 = 0, d2 = 0, d3 = 0;
  int32_t tempo = 0;
};

// Puts the signal into cell i = round(posizione / 50 + 1), kind 1, packing
// the record into the value words (each keeps its low 16 bits):
//   value_a = s1 * 10 + d1, value_b = s2 * 10 + d2, value_c = s3 * 10 + d3,
//   value_d = rapp * 10 + sx * 3 + dx,
//   signal_time = tempo (raised to 101 when 1..100, low byte) when sx is 2,
//   else 0.
// Then marks the cells i - 2, i - 4, i - 6, i - 8 with approach marks
// (sx * 3 + dx) * 10 + 1 .. 4 in 8 bits, whatever those cells hold; marks that
// would fall below cell 0 are skipped. A signal at 12100 with sx 2 and dx 0
// goes to cell 243 and marks 241, 239, 237, 235 with 61, 62, 63, 64.
//
// Sets error_code 16 when the cell is not free, 200 when it lies below cell
// 0 and 201 when it lies past last_cell, writing nothing.
void memo_segnale(TrackModel& model, const SignalRecord& r);

}  // namespace scengen
