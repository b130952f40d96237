#include "scenario/slowdown_notice.h"

#include "scenario/text_lines.h"

namespace scengen {
namespace {

// Four empty lines, then the notice that no slowdown is in force.
constexpr std::string_view kSlowdownNotice = R"(




                         NESSUNA PRESCRIZIONE
)";

}  // namespace

const std::vector<std::string>& slowdown_notice() {
  static const std::vector<std::string> lines = split_lines(kSlowdownNotice);
  return lines;
}

}  // namespace scengen
