#pragma once

// The two scenario codes, worked out from the train code and the scenario
// name that items 86 and 85 carry as their texts, so that a reader of the
// item file can work them out again:
//
//   S = lower-case(train code + scenario name) + "aabbccddeeffgghhiillmmnnoo"
//
// and only characters 1 to 25 of S count. For the train code "AB1" and the
// scenario name "Xy_z" they are "ab1xy_z" and the filler's first 18
// characters: codice_gara_og = 2520, codice_gara_st = 33186.

#include <cstdint>

#include "compiler/track_model.h"

namespace scengen {

// The sum of the character codes of S(1..25); at most 25 * 255 = 6375, so it
// always fits the 16-bit word of cell 1 that holds it.
int32_t codice_gara_og(const TrackModel& model);

// The sum of i * code(S(i)) for i = 1..25; at most 82875, held in the 32-bit
// number_4 of item 85.
int32_t codice_gara_st(const TrackModel& model);

}  // namespace scengen
