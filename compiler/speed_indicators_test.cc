#include "compiler/speed_indicators.h"

#include <gtest/gtest.h>

#include "compiler/error_codes.h"
#include "test/sized_model.h"

namespace scengen {
namespace {

using testing::sized_model;

TEST(SpeedIndicators, TheCarriedBoardAt600) {
  TrackModel model = sized_model(96000);
  std::string failure;
  ASSERT_TRUE(memo_indicatori_v_max(model, {600, 80, 80, 80, 0, 0, 0, 0, 0}, &failure));
  EXPECT_EQ(model.error_code, 0);
  Cell expected;
  expected.kind = kSpeedIndicator;
  expected.value_a = 1600;
  expected.value_b = 1600;
  expected.value_c = 1600;
  expected.value_d = 0;
  EXPECT_EQ(model.cells[13], expected);
}

TEST(SpeedIndicators, EachWordJoinsOneLetterOfBothGroups) {
  const struct {
    int32_t s, d;
    int16_t word;
  } cases[] = {
      {60, 12, 1202},                                         // 12 / 5 = 2.4 rounds down
      {60, 13, 1203},                                         // 2.6 rounds up
      {60, 11, 1202},                                         // 2.2
      {60, 14, 1203},                                         // 2.8
      {0, 80, 16},          {-1, 0, -20}, {1638, 35, 32767},  // the largest word
      {-1638, -40, -32768},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.s << " " << c.d);
    TrackModel model = sized_model(1000);
    std::string failure;
    ASSERT_TRUE(memo_indicatori_v_max(model, {1000, c.s, 0, 0, 0, c.d, 0, 0, 0}, &failure));
    EXPECT_EQ(model.cells[21].value_a, c.word);
  }
  TrackModel model = sized_model(1000);
  std::string failure;
  ASSERT_TRUE(memo_indicatori_v_max(model, {1000, 1, 2, 3, 4, 5, 10, 15, 6}, &failure));
  const Cell& cell = model.cells[21];
  EXPECT_EQ(cell.value_a, 21);
  EXPECT_EQ(cell.value_b, 42);
  EXPECT_EQ(cell.value_c, 63);
  EXPECT_EQ(cell.value_d, 46);  // strisces * 10 + strisced
}

TEST(SpeedIndicators, StripesKeepTheLowSixteenBits) {
  TrackModel model = sized_model(1000);
  std::string failure;
  ASSERT_TRUE(memo_indicatori_v_max(model, {0, 0, 0, 0, 3277, 0, 0, 0, 0}, &failure));
  EXPECT_EQ(model.cells[1].value_d, 32770 - 65536);
}

TEST(SpeedIndicators, OnlyAFreeCellTakesTheBoard) {
  TrackModel model = sized_model(1000);
  model.cells[13].kind = kMountainMarker;
  std::string failure;
  ASSERT_TRUE(memo_indicatori_v_max(model, {600, 80, 0, 0, 0, 0, 0, 0, 0}, &failure));
  EXPECT_EQ(model.cells[13].kind, kSpeedIndicator);
  EXPECT_EQ(model.error_code, 0);

  const Cell board = model.cells[13];
  ASSERT_TRUE(memo_indicatori_v_max(model, {600, 60, 0, 0, 0, 0, 0, 0, 0}, &failure));
  EXPECT_EQ(model.error_code, errors::kIndicatorCellTaken);
  EXPECT_EQ(model.cells[13], board);
}

TEST(SpeedIndicators, ACellBelowZeroIsRejected) {
  TrackModel model = sized_model(1000);
  std::string failure;
  ASSERT_TRUE(memo_indicatori_v_max(model, {-75, 80, 0, 0, 0, 0, 0, 0, 0}, &failure));
  EXPECT_EQ(model.error_code, 0);  // -0.5 rounds to cell 0
  EXPECT_EQ(model.cells[0].kind, kSpeedIndicator);
  ASSERT_TRUE(memo_indicatori_v_max(model, {-100, 80, 0, 0, 0, 0, 0, 0, 0}, &failure));
  EXPECT_EQ(model.error_code, errors::kBeforeFirstCell);
}

TEST(SpeedIndicators, ASpeedBeyondSixteenBitsIsARunTimeFailure) {
  TrackModel model = sized_model(1000);
  std::string failure;
  EXPECT_FALSE(memo_indicatori_v_max(model, {1000, 50, 1639, 0, 0, 0, 0, 0, 0}, &failure));
  EXPECT_EQ(failure, "la velocità 32780 del cartello non sta in 16 bit");
  EXPECT_EQ(model.error_code, 0);
  // Stored in order up to the failing word.
  EXPECT_EQ(model.cells[21].kind, kSpeedIndicator);
  EXPECT_EQ(model.cells[21].value_a, 1000);
  EXPECT_EQ(model.cells[21].value_b, 0);
}

}  // namespace
}  // namespace scengen
