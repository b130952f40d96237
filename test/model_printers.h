#pragma once

// How a failed expectation shows a cell: its fields by name, not its bytes.

#include <ostream>

#include "compiler/track_model.h"

namespace scengen {

inline void PrintTo(const Cell& c, std::ostream* os) {
  *os << "{kind " << int{c.kind} << ", a " << c.value_a << ", b " << c.value_b << ", c "
      << c.value_c << ", d " << c.value_d << ", time " << int{c.signal_time} << ", mark "
      << int{c.approach_mark} << ", mountain " << int{c.mountain_type} << ", speed "
      << int{c.speed_limit} << ", gradient " << int{c.gradient} << ", adhesion " << int{c.adhesion}
      << "}";
}

}  // namespace scengen
