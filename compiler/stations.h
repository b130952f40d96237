#pragma once

#include "compiler/parse_context.h"

namespace scengen {

// The station record of the train text, its keyword just read: 17 items
// into items(station_number), then the stop span, the approach marks and
// the stop cell. Returns kRead to go on (with *leave set when the station
// lies beyond the cells, code 15), kStopped after an error that ends the
// parse, kFailed for a run-time failure.
//
// The span runs from number_1 to number_2, by kind K from position P and
// span length S:
//   K 5 or 6   P - S .. P + 150
//   K 7 or 8   P - S .. P + S
//   otherwise  P - S / 2 .. P + S / 2, 50 m further when byte_4 is not 0.
// A station of kind below 25 stops in the cell round(number_2 / 50 - 1),
// written whatever it held, and, unless it is of kind 5 or 6, marks the
// four cells before it 81..84, nearest first, leaving out cells 0 and 1.
ParseOutcome read_station(ParseContext& ctx, bool* leave);

}  // namespace scengen
