#include "scenario/text_lines.h"

namespace scengen {

std::vector<std::string> split_lines(std::string_view text) {
  if (!text.empty() && text.front() == '\n') text.remove_prefix(1);
  std::vector<std::string> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end < text.size() ? end + 1 : end);
  }
  return lines;
}

}  // namespace scengen
