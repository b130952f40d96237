#include "output/scenario_codes.h"

#include <array>
#include <string>

namespace scengen {
namespace {

constexpr char kFiller[] = "aabbccddeeffgghhiillmmnnoo";
constexpr size_t kCodeLength = 25;

// The codes of characters 1 to 25 of S. Only A to Z are lowered; any other
// byte counts as itself, read unsigned.
std::array<int32_t, kCodeLength> codes(const TrackModel& model) {
  std::string s = model.items[kRepetitionItem].text;
  s += model.items[kBackgroundItem].text;
  s += kFiller;  // S always reaches character 25, even with both names empty
  std::array<int32_t, kCodeLength> out{};
  for (size_t i = 0; i < kCodeLength; ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
    out[i] = c;
  }
  return out;
}

}  // namespace

int32_t codice_gara_og(const TrackModel& model) {
  int32_t sum = 0;
  for (int32_t v : codes(model)) sum += v;
  return sum;
}

int32_t codice_gara_st(const TrackModel& model) {
  const auto v = codes(model);
  int32_t sum = 0;
  for (size_t i = 0; i < kCodeLength; ++i) sum += static_cast<int32_t>(i + 1) * v[i];
  return sum;
}

}  // namespace scengen
