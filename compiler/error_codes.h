#pragma once

// The compile error codes. The parser and the builders record them in
// error_code. Codes up to 103 are the ones the simulator's tools know; those
// from 200 up are this compiler's own, for input that the source format
// leaves unbounded and that would otherwise reach outside the model.

#include <cstdint>

namespace scengen::errors {

inline constexpr int32_t kRouteTooLong = 1;     // route length above 1000000
inline constexpr int32_t kChainageNotOn50 = 2;  // checked after the train text
inline constexpr int32_t kRepetitionFirstNotOn50 = 3;
inline constexpr int32_t kRepetitionSecondNotOn50 = 4;
inline constexpr int32_t kRepetitionWithout4Or9 = 5;
inline constexpr int32_t kCaptionCellTaken = 6;
inline constexpr int32_t kReductionCellTaken = 7;
inline constexpr int32_t kStationNotOn50 = 8;
inline constexpr int32_t kSpanNotOn100 = 9;
inline constexpr int32_t kTooManyStations = 10;
inline constexpr int32_t kNoRoomBeforeSignal = 11;    // final passes: warning look-back
inline constexpr int32_t kNoRoomBeforeSlowdown = 12;  // final passes: approach windows
inline constexpr int32_t kNoRoomInSlowdown = 13;      // final passes: stepping, exit look-ahead
inline constexpr int32_t kBeyondCellArray = 15;
inline constexpr int32_t kSignalCellTaken = 16;
inline constexpr int32_t kWarningCellTaken = 17;
inline constexpr int32_t kSlowdownStartTaken = 18;
inline constexpr int32_t kSlowdownEndTaken = 19;
inline constexpr int32_t kApproachCellTaken = 20;
inline constexpr int32_t kIndicatorCellTaken = 21;
inline constexpr int32_t kStationsTooClose = 22;
inline constexpr int32_t kStopCellTooEarly = 24;
inline constexpr int32_t kRunTimeFailure = 25;
inline constexpr int32_t kNoLineText = 101;
inline constexpr int32_t kNoGeneralSection = 102;
inline constexpr int32_t kBadCurve = 103;  // no class digit, or the plan past metre 1000000

// This compiler's own.
inline constexpr int32_t kBeforeFirstCell = 200;      // a record's cell falls below cell 0
inline constexpr int32_t kBeyondLastCell = 201;       // a record reaches past last_cell
inline constexpr int32_t kTooManyMountains = 202;     // an 81st mountain record
inline constexpr int32_t kCurvePastPlanEnd = 203;     // a curve would draw past the plan's end
inline constexpr int32_t kTooManyCaptions = 204;      // an 82nd caption: no item slot left
inline constexpr int32_t kFillPastLastCell = 205;     // a fill cursor driven past last_cell
inline constexpr int32_t kNegativeRouteLength = 206;  // a route length below 0
inline constexpr int32_t kPassPastLastCell = 207;     // a final pass would walk past last_cell

}  // namespace scengen::errors
