#pragma once

#include <string>
#include <vector>

namespace scengen {

// The slowdown notice: no slowdowns in force (5 lines).
const std::vector<std::string>& slowdown_notice();

}  // namespace scengen
