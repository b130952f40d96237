#pragma once

#include <string>
#include <vector>

namespace scengen {

// The notes on the scenario for the driver (28 lines).
const std::vector<std::string>& notes();

}  // namespace scengen
