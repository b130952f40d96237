#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scengen {

// Splits a carried text kept as a raw string into its lines. The raw string
// opens with a line break right after R"( and ends with the last line's
// break, so that the text sits in the source exactly as it will be written:
// R"(\nfirst\n\nthird\n)" gives {"first", "", "third"}.
std::vector<std::string> split_lines(std::string_view text);

}  // namespace scengen
