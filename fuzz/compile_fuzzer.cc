// libFuzzer target: see check_compile in fuzz_checks.h.
//
// Inputs whose route is longer than 50 km are passed over: they take the
// paths of shorter routes, only up to twenty times slower (a plan of
// 1000000 m is two million elements, drawn, written and read back), and a
// mutation that lengthens the route is so common that they would halve the
// fuzzer's pace. Routes past 1000000 m, which fail at once, are kept.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_checks.h"

namespace {

// The route length of the line text's first line that holds "lunghezza"
// and "percorso" (in any case) with a number after its comma, as the parser
// would read it; 0 when there is none.
int64_t route_length(std::string_view input) {
  std::string lower(input.substr(0, input.find('\0')));
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  for (size_t start = 0; start < lower.size();) {
    const size_t end = std::min(lower.find_first_of("\r\n", start), lower.size());
    const std::string_view line(lower.data() + start, end - start);
    const size_t comma = line.find(',');
    if (line.find("lunghezza") < comma && line.find("percorso") < comma) {
      int64_t n = 0;
      size_t i = comma + 1;
      while (i < line.size() && line[i] == ' ') ++i;
      for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && n < 10000000; ++i) {
        n = n * 10 + (line[i] - '0');
      }
      return n;
    }
    start = end + 1;
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const int64_t length = route_length(input);
  if (length > 50000 && length <= 1000000) return 0;
  scengen::fuzz::CompileRun run;
  const std::string broken = scengen::fuzz::check_compile(input, &run);
  if (!broken.empty()) {
    std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
