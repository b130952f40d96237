#pragma once

#include <cstdint>
#include <string>

#include "compiler/track_model.h"

namespace scengen {

// A speed-indicator record in the order of the text: two groups of three
// speeds, "...s" and "...d", each with its count of stripes.
struct SpeedIndicatorRecord {
  int32_t posizione = 0;
  int32_t vas = 0, vbs = 0, vcs = 0, strisces = 0;
  int32_t vad = 0, vbd = 0, vcd = 0, strisced = 0;
};

// Puts the board into cell round(posizione / 50 + 1), kind 6, each value
// word joining one letter of both groups as round(v.d / 5 + v.s * 20), half
// to even: vas 60 with vad 12 gives 1202, with vad 13 gives 1203.
// value_d = strisces * 10 + strisced, its low 16 bits.
//
// Sets error_code 21 when the cell is not free and 200 when it lies below
// cell 0, writing nothing. A rounded speed outside -32768..32767 is a
// run-time failure: returns false with *failure saying which.
bool memo_indicatori_v_max(TrackModel& model, const SpeedIndicatorRecord& r, std::string* failure);

}  // namespace scengen
