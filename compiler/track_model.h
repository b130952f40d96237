#pragma once

// The whole working state of the compiler: the cell array, the item table,
// the track plan, the mountain tables and the scalars every operation reports
// through. The operations live beside it, one concept a file, as functions
// over TrackModel&; this header holds only the shared rules they all apply
// (rounding, the cell-index forms, the free-cell test, the position check).

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compiler/huge_page_allocator.h"

namespace scengen {

// Cell kinds, and what the builders put into the value words of each.
enum CellKind : uint8_t {
  kPlain = 0,
  kSignal = 1,
  kSlowdownEnd = 2,
  kSlowdownStart = 3,
  kSlowdownWarning = 4,
  kSlowdownApproach = 5,
  kSpeedIndicator = 6,
  kStationStop = 10,
  kMountainMarker = 11,
  kReductionMark = 12,
  kReductionMarkWithoutValue = 13,
  kCaption = 14,
};

// One cell per 50 m of line. Widths are those of the cell file: bytes are
// unsigned 8 bits, the value words signed 16 bits.
struct Cell {
  uint8_t kind = kPlain;
  int16_t value_a = 0;
  int16_t value_b = 0;
  int16_t value_c = 0;
  int16_t value_d = 0;
  uint8_t signal_time = 0;
  uint8_t approach_mark = 0;
  uint8_t mountain_type = 0;
  uint8_t speed_limit = 0;  // km/h / 5
  uint8_t gradient = 0;     // per mille + 100; 100 is level
  uint8_t adhesion = 0;

  bool operator==(const Cell&) const = default;
};

// One record of the item table: stations from 1 upward, caption texts from
// 80 downward, chainage changes in 81..83, general values in 84..86.
struct Item {
  uint8_t kind = 0;
  int32_t number_1 = 0;
  int32_t number_2 = 0;
  int32_t number_3 = 0;
  uint8_t byte_1 = 0;
  std::string text;
  int16_t word_1 = 0;
  int16_t word_2 = 0;
  int16_t word_3 = 0;
  int16_t word_4 = 0;
  int16_t word_5 = 0;
  uint8_t byte_2 = 0;
  uint8_t byte_3 = 0;
  uint8_t byte_4 = 0;
  uint8_t byte_5 = 0;
  int32_t number_4 = 0;

  bool operator==(const Item&) const = default;
};

inline constexpr int kItemCount = 87;
inline constexpr int kFirstCaptionSlot = 80;
inline constexpr int kChainageItemFirst = 81;  // 81, 82, 83
inline constexpr int kGeneralItem = 84;        // braked mass, route length, cars
inline constexpr int kBackgroundItem = 85;     // backgrounds, scenario name, stamps
inline constexpr int kRepetitionItem = 86;     // signal repetition, train code, sand, clock
inline constexpr int kMaxMountains = 80;
inline constexpr int32_t kMaxRouteLength = 1000000;
inline constexpr int32_t kMetresBeyondRoute = 7000;
// An item's text is written after its length as an unsigned 16-bit number.
inline constexpr size_t kMaxItemText = 65535;

// An element of the track plan is empty (never drawn), a 16-bit integer
// (metres 0 and 1) or a double; the line plan file tags each with its state,
// as an unsigned 16-bit number.
enum class PlanTag : uint8_t { kEmpty = 0, kInt16 = 2, kDouble = 5 };

struct PlanValue {
  PlanTag tag = PlanTag::kEmpty;
  double value = 0;  // for kInt16 the integer, held exactly

  bool operator==(const PlanValue&) const = default;
};

// The elements of the track plan in the order the line plan file keeps. The
// tags and the values are held apart, 9 bytes an element rather than the 16
// of a PlanValue: a 1000 km line has two million elements, and every page of
// them costs a page fault when it is first touched.
class TrackPlan {
 public:
  size_t size() const { return values_.size(); }
  bool empty() const { return values_.empty(); }
  void clear() {
    tags_.clear();
    values_.clear();
  }
  // n elements, every one empty.
  void assign(size_t n) {
    tags_.assign(n, PlanTag::kEmpty);
    values_.assign(n, 0.0);
  }
  PlanValue operator[](size_t i) const { return {tags_[i], values_[i]}; }
  void set(size_t i, PlanValue v) {
    tags_[i] = v.tag;
    values_[i] = v.value;
  }

 private:
  std::vector<PlanTag, HugePageAllocator<PlanTag>> tags_;
  std::vector<double, HugePageAllocator<double>> values_;
};

// One diagnostic for each recorded error: the code, the metre position where
// the error has one, and the source file and line of the record.
struct Diagnostic {
  int32_t code = 0;
  std::optional<int32_t> position;
  std::string file;    // empty when the error has no place in a text
  int line = 0;        // 0 when it has none
  std::string detail;  // what exactly went wrong, where the code alone does not say

  bool operator==(const Diagnostic&) const = default;
};

struct TrackModel {
  // Coordinate 0 of metres 0..plan_last_metre, then coordinate 1 of the same
  // metres: the order the line plan file keeps. Empty until the route length
  // sizes it, and only when plan_enabled is not 0.
  TrackPlan track_plan;
  std::vector<Cell> cells;  // 0..last_cell once sized; empty before
  std::array<Item, kItemCount> items{};
  std::array<int32_t, kMaxMountains + 1> mountain_start{};  // index 0 unused
  std::array<int32_t, kMaxMountains + 1> mountain_end{};
  int32_t mountain_count = 0;
  int32_t plan_enabled = 0;
  std::string train_code;
  std::string scenario_name;
  int32_t plan_last_metre = 0;          // route length + 7000
  int32_t last_cell = 0;                // round((route length + 7000) / 50)
  int32_t error_code = 0;               // 0 = none; else the latest code recorded
  int32_t error_position = 0;           // metres, for the codes that carry one
  std::vector<Diagnostic> diagnostics;  // every error recorded, in order
};

// Round half to even in the default rounding mode: 2.5 gives 2, 3.5 gives 4,
// -0.5 gives 0. Every conversion of a position or quotient to a cell index
// goes through it. The argument is always a quotient of 32-bit values, so the
// result fits 64 bits.
inline int64_t round_even(double v) { return static_cast<int64_t>(std::nearbyint(v)); }

// The cell forms of a position p in metres.
// Runs and spans (gradient, speed, adhesion, mountains) and reduction marks:
// the cell that holds p.
inline int64_t run_cell(int64_t p) { return round_even(static_cast<double>(p) / 50); }
// Point objects (signals, slowdown boards, indicators, captions): the cell
// after the one that holds p.
inline int64_t point_cell(int64_t p) { return round_even(static_cast<double>(p) / 50 + 1); }
// A station's stop cell, from the end e of its span.
inline int64_t stop_cell(int64_t e) { return round_even(static_cast<double>(e) / 50 - 1); }

// A point object may only go on a plain cell or a mountain marker.
inline bool is_free(const Cell& cell) {
  return cell.kind == kPlain || cell.kind == kMountainMarker;
}

inline bool has_cell(const TrackModel& model, int64_t index) {
  return index >= 0 && index < static_cast<int64_t>(model.cells.size());
}

// A record at p is accepted when (p + margin) / 50, in floating point, is not
// above last_cell: margin 100 for every record, 800 for stations.
inline bool position_accepted(const TrackModel& model, int64_t p, int64_t margin = 100) {
  return static_cast<double>(p + margin) / 50 <= static_cast<double>(model.last_cell);
}

// Where the plan keeps metre m of coordinate q (0 or 1).
inline size_t plan_index(const TrackModel& model, int64_t m, int q) {
  return static_cast<size_t>(q * (int64_t{model.plan_last_metre} + 1) + m);
}
inline PlanValue plan_at(const TrackModel& model, int64_t m, int q) {
  return model.track_plan[plan_index(model, m, q)];
}
inline void set_plan(TrackModel& model, int64_t m, int q, PlanValue v) {
  model.track_plan.set(plan_index(model, m, q), v);
}

// Sizes the model for a route of `length` metres (0..1000000): sets
// plan_last_metre and last_cell, creates the cells afresh and, when the plan
// is enabled, the plan with every element empty.
void size_model(TrackModel& model, int32_t length);

// Clears the 87 items: every number, word and byte 0, every text empty.
void clear_items(TrackModel& model);

// Records an error: error_code, error_position where the error has one, and
// a diagnostic pointing at the record.
void record_error(TrackModel& model, int32_t code, std::optional<int32_t> position,
                  std::string file = {}, int line = 0, std::string detail = {});

}  // namespace scengen
