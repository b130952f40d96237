#pragma once

#include <string>
#include <vector>

namespace scengen {

// The line source text of the carried scenario (309 lines).
const std::vector<std::string>& line_text();

}  // namespace scengen
