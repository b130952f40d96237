#pragma once

// A line of the greatest length the compiler takes, 1000000 m, with the
// records a busy scenario would have on it: 2000 curves and 2000 gradients,
// 80 mountains, 100 speed boards and 18 captions in the line text; 500
// line speeds, 200 adhesions, 60 stations, 600 signals and 100 slowdowns in
// the train text. It compiles without a single error, and its plan file is
// 20 * 1007000 - 36 = 20,139,964 bytes.

#include <string>

namespace scengen::bench {

std::string max_line_text();
std::string max_train_text();

}  // namespace scengen::bench
