#pragma once

#include <string>
#include <vector>

namespace scengen {

// The train source text of the carried scenario (55 lines).
const std::vector<std::string>& train_text();

}  // namespace scengen
