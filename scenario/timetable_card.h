#pragma once

#include <string>
#include <vector>

namespace scengen {

// The timetable card of train 31474 (38 lines).
const std::vector<std::string>& timetable_card();

}  // namespace scengen
