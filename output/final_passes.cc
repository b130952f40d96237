#include "output/final_passes.h"

#include <optional>

#include "compiler/error_codes.h"

namespace scengen {
namespace {

constexpr int16_t kReductionValue = 180;

class Passes {
 public:
  Passes(TrackModel& model, const std::string& file)
      : m_(model), file_(file), last_(static_cast<int64_t>(model.cells.size()) - 1) {}

  void run() {
    // The bound is taken once: U - 2, with U the last cell (last_cell).
    const int64_t end = last_ - 2;
    for (int64_t i = 1; i <= end; ++i) {
      if (cell(i).kind == kSlowdownWarning) look_back_from_warning(i);
      if (cell(i).kind == kSlowdownStart) lay_out_slowdown(i);
    }
  }

 private:
  Cell& cell(int64_t n) { return m_.cells[static_cast<size_t>(n)]; }
  // Cells past the last one do not exist, so they are never free.
  bool free(int64_t n) { return n <= last_ && is_free(cell(n)); }
  void mark(int64_t n) {
    cell(n).kind = kReductionMark;
    cell(n).value_a = kReductionValue;
  }
  void error(int32_t code, int64_t n, std::string detail) {
    record_error(m_, code, static_cast<int32_t>(n * 50), file_, 0, std::move(detail));
  }
  static std::string cell_name(int64_t n) { return "cella " + std::to_string(n); }

  // Every signal in the 20 cells before the warning, nearest first, gets a
  // mark in one of the two cells just before it. A warning at cell 10 looks
  // at cells 9 down to 3 only.
  void look_back_from_warning(int64_t i) {
    for (int64_t a = 1; a <= 20; ++a) {
      const int64_t t = i - a;
      if (t < 3) break;
      if (cell(t).kind != kSignal) continue;
      const int64_t p1 = t - 1, p2 = t - 2;
      if (free(p1)) {
        mark(p1);
      } else if (free(p2)) {
        mark(p2);
      } else if (cell(p1).kind == kReductionMark) {
        cell(p1).value_a = static_cast<int16_t>(minimo(kReductionValue, cell(p1).value_a));
      } else if (cell(p2).kind == kReductionMark) {
        cell(p2).value_a = static_cast<int16_t>(minimo(kReductionValue, cell(p2).value_a));
      } else {
        error(errors::kNoRoomBeforeSignal, t,
              "segnale alla " + cell_name(t) + ", avviso di rallentamento alla " + cell_name(i));
      }
    }
  }

  void lay_out_slowdown(int64_t i) {
    if (i > 7) approach_window(i, 5);
    if (i > 13) approach_window(i, 11);
    if (i > 20) approach_window(i, 18);
    std::optional<int64_t> end = cell(i).value_a < 110 ? step_through(i) : find_end(i);
    if (end) look_ahead_after(i, *end);
  }

  // The first free cell of i - first, i - first - 1, i - first - 2.
  void approach_window(int64_t i, int64_t first) {
    for (int64_t n = first; n <= first + 2; ++n) {
      if (free(i - n)) {
        mark(i - n);
        return;
      }
    }
    error(errors::kNoRoomBeforeSlowdown, i,
          "inizio del rallentamento alla " + cell_name(i) + ", celle da " +
              std::to_string(i - first - 2) + " a " + std::to_string(i - first));
  }

  // A mark every 8 cells from the start to the slowdown's end cell, which it
  // returns. The counter is set so that the next step point falls 8 cells
  // after the cell actually marked: a mark at k - 1 leaves it at 1, one at
  // k + 1 at -1. After an error 13 it runs on past 8 and no mark follows.
  std::optional<int64_t> step_through(int64_t i) {
    int s = 0;
    for (int64_t k = i + 1;; ++k) {
      if (k > last_) return walked_off(i);
      ++s;
      if (s == 8) {
        if (free(k)) {
          mark(k);
          s = 0;
        } else if (free(k - 1)) {
          mark(k - 1);
          s = 1;
        } else if (free(k + 1)) {
          mark(k + 1);
          s = -1;
        } else {
          error(errors::kNoRoomInSlowdown, k,
                "rallentamento che inizia alla " + cell_name(i) + ", passo alla " + cell_name(k));
        }
      }
      if (cell(k).kind == kSlowdownEnd) return k;
    }
  }

  // A slowdown of 110 km/h or more is not stepped through: its end cell is
  // the next slowdown end after its start.
  std::optional<int64_t> find_end(int64_t i) {
    for (int64_t k = i + 1; k <= last_; ++k) {
      if (cell(k).kind == kSlowdownEnd) return k;
    }
    return walked_off(i);
  }

  std::optional<int64_t> walked_off(int64_t i) {
    error(errors::kPassPastLastCell, i,
          "la fine del rallentamento che inizia alla " + cell_name(i) +
              " non si trova prima dell'ultima cella (" + std::to_string(last_) + ")");
    return std::nullopt;
  }

  // A mark just before the first signal within 12 cells from the end cell k.
  void look_ahead_after(int64_t i, int64_t k) {
    int64_t p = 0;
    for (int64_t n = k; n <= k + 12; ++n) {
      if (n > last_) {
        error(errors::kPassPastLastCell, i,
              "la ricerca di un segnale dopo la fine del rallentamento alla " + cell_name(k) +
                  " supera l'ultima cella (" + std::to_string(last_) + ")");
        return;
      }
      if (cell(n).kind == kSignal) {
        p = n - 1;
        break;
      }
    }
    if (p <= 0) return;
    if (free(p)) {
      mark(p);
    } else if (free(p - 1)) {
      mark(p - 1);
    } else {
      error(errors::kNoRoomInSlowdown, k,
            "uscita dal rallentamento alla " + cell_name(k) + ", segnale alla " + cell_name(p + 1));
    }
  }

  TrackModel& m_;
  const std::string& file_;
  const int64_t last_;
};

}  // namespace

void cell_passes(TrackModel& model, const std::string& file) {
  if (model.cells.empty()) return;
  Passes(model, file).run();
}

}  // namespace scengen
