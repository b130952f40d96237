#include "output/scenario_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace scengen {
namespace {

TrackModel named(const std::string& train_code, const std::string& scenario_name) {
  TrackModel m;
  m.items[kRepetitionItem].text = train_code;
  m.items[kBackgroundItem].text = scenario_name;
  return m;
}

TEST(ScenarioCodes, WorkedExamplesAndTheCarriedNames) {
  const struct {
    std::string train_code, scenario_name;
    int32_t og, st;
  } cases[] = {
      // "ab1xy_z" + "aabbccddeeffgghhii"
      {"AB1", "Xy_z", 2520, 33186},
      // The filler's first 25 characters alone.
      {"", "", 2583, 34355},
      // Case does not count.
      {"ab1", "XY_Z", 2520, 33186},
      // "r31474tolvo_sarmaleonte" + "aa": 23 characters of the names count.
      {"R31474", "Tolvo_Sarmaleonte", 2405, 33348},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.train_code + "|" + c.scenario_name);
    const TrackModel m = named(c.train_code, c.scenario_name);
    EXPECT_EQ(codice_gara_og(m), c.og);
    EXPECT_EQ(codice_gara_st(m), c.st);
  }
}

TEST(ScenarioCodes, OnlyTheFirst25CharactersCount) {
  // 26 characters of names, the filler plays no part: a..y give
  // og = 97 + ... + 121 and st = sum of i * (96 + i).
  const TrackModel m = named("ABCDEFGHIJKLM", "nopqrstuvwxyz");
  EXPECT_EQ(codice_gara_og(m), 2725);
  EXPECT_EQ(codice_gara_st(m), 96 * 325 + 5525);
  EXPECT_EQ(codice_gara_og(named("abcdefghijklm", "nopqrstuvwxyZZZZ")), 2725);
}

TEST(ScenarioCodes, SwappingTheNamesKeepsTheSumButNotTheWeightedSum) {
  const TrackModel a = named("AB1", "Xy_z");
  const TrackModel b = named("Xy_z", "AB1");
  EXPECT_EQ(codice_gara_og(a), codice_gara_og(b));
  EXPECT_NE(codice_gara_st(a), codice_gara_st(b));
}

TEST(ScenarioCodes, BytesAboveAsciiCountUnsignedAndTheLargestFit) {
  const TrackModel m = named(std::string(25, '\xff'), "");
  EXPECT_EQ(codice_gara_og(m), 6375);
  EXPECT_EQ(codice_gara_st(m), 82875);
}

}  // namespace
}  // namespace scengen
