#include "compiler/track_plan.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "compiler/error_codes.h"
#include "test/sized_model.h"

namespace scengen {
namespace {

TrackModel sized_plan(int32_t length) {
  TrackModel model = testing::sized_model(length, 1);
  plan_start(model);
  return model;
}

uint64_t bits(double v) { return std::bit_cast<uint64_t>(v); }

TEST(TrackPlan, WithoutCurvesTheLineRunsStraightAlongCoordinateOne) {
  TrackModel model = sized_plan(1000);  // plan_last_metre 8000
  int64_t cursor = 2;
  plan_end(model, &cursor);
  EXPECT_EQ(cursor, 7999);
  for (int q = 0; q < 2; ++q) {
    EXPECT_EQ(plan_at(model, 0, q).tag, PlanTag::kInt16);
    EXPECT_EQ(plan_at(model, 1, q).tag, PlanTag::kInt16);
  }
  EXPECT_EQ(plan_at(model, 1, 1).value, 1);
  for (int64_t m = 2; m <= 7998; ++m) {
    ASSERT_EQ(plan_at(model, m, 0).tag, PlanTag::kDouble) << m;
    ASSERT_EQ(bits(plan_at(model, m, 0).value), bits(0.0)) << m;
    ASSERT_EQ(plan_at(model, m, 1).value, static_cast<double>(m)) << m;
  }
  for (int64_t m : {7999, 8000}) {
    EXPECT_EQ(plan_at(model, m, 0).tag, PlanTag::kEmpty);
    EXPECT_EQ(plan_at(model, m, 1).tag, PlanTag::kEmpty);
  }
}

TEST(TrackPlan, TheFirstCarriedCurveTurnsAtMetre801) {
  TrackModel model = sized_plan(96000);
  int64_t cursor = 2;
  ASSERT_EQ(plan_curve(model, &cursor, 800, 400, -0.001), 0);
  EXPECT_EQ(cursor, 1201);
  EXPECT_EQ(plan_at(model, 800, 0).value, 0);
  EXPECT_EQ(plan_at(model, 800, 1).value, 800);
  // Metre 801: P0 = 0 + (0 + -0.001 * 1), P1 = 800 + (1 - -0.001 * 0).
  EXPECT_EQ(bits(plan_at(model, 801, 0).value), bits(-0.001));
  EXPECT_EQ(bits(plan_at(model, 801, 1).value), bits(801.0));
  // Metre 802 turns the step (-0.001, 1) once more, without bringing it
  // back to unit length.
  const double d0 = -0.001, d1 = 1.0, k = -0.001;
  EXPECT_EQ(bits(plan_at(model, 802, 0).value), bits(-0.001 + (d0 + k * d1)));
  EXPECT_EQ(bits(plan_at(model, 802, 1).value), bits(801.0 + (d1 - k * d0)));
  // Counter-clockwise: heading up, it bends towards negative coordinate 0.
  EXPECT_LT(plan_at(model, 1200, 0).value, -70);
  EXPECT_EQ(plan_at(model, 1201, 0).tag, PlanTag::kEmpty);
}

TEST(TrackPlan, CurvesBehindTheCursorAreDrawnOnlyFromIt) {
  TrackModel model = sized_plan(96000);
  int64_t cursor = 2;
  // A curve at 0 starts at metre 2: the cursor is there already.
  ASSERT_EQ(plan_curve(model, &cursor, 0, 10, 0.003), 0);
  EXPECT_EQ(cursor, 11);
  EXPECT_NE(plan_at(model, 2, 0).value, 0);
  // The same start again: only metres 11..20 are drawn.
  const PlanValue metre_10 = plan_at(model, 10, 0);
  ASSERT_EQ(plan_curve(model, &cursor, 0, 20, -0.003), 0);
  EXPECT_EQ(cursor, 21);
  EXPECT_EQ(bits(plan_at(model, 10, 0).value), bits(metre_10.value));
  // Wholly behind: nothing drawn.
  ASSERT_EQ(plan_curve(model, &cursor, 5, 5, 0.001), 0);
  EXPECT_EQ(cursor, 21);
}

TEST(TrackPlan, NoCurveDrawsIntoTheLastTwoMetres) {
  TrackModel model = sized_plan(1000);  // plan_last_metre 8000
  int64_t cursor = 2;
  EXPECT_EQ(plan_curve(model, &cursor, 7900, 99, 0.001), errors::kCurvePastPlanEnd);
  EXPECT_EQ(cursor, 2);  // nothing drawn
  EXPECT_EQ(plan_at(model, 2, 0).tag, PlanTag::kEmpty);
  EXPECT_EQ(plan_curve(model, &cursor, 7900, 98, 0.001), 0);
  EXPECT_EQ(cursor, 7999);
  // A negative length would draw straight up to its start: the start counts.
  TrackModel other = sized_plan(1000);
  int64_t other_cursor = 2;
  EXPECT_EQ(plan_curve(other, &other_cursor, 7999, -10, 0.001), errors::kCurvePastPlanEnd);
}

TEST(TrackPlan, TheCursorMayNotPassMetreOneMillion) {
  TrackModel model = sized_plan(1000000);
  int64_t cursor = 2;
  EXPECT_EQ(plan_curve(model, &cursor, 999990, 20, 0.001), errors::kBadCurve);
  EXPECT_EQ(cursor, 1000001);
  EXPECT_EQ(plan_at(model, 1000000, 0).tag, PlanTag::kDouble);
  EXPECT_EQ(plan_at(model, 1000001, 0).tag, PlanTag::kEmpty);
  // The plan's end has no such limit.
  plan_end(model, &cursor);
  EXPECT_EQ(cursor, 1006999);
}

TEST(TrackPlan, CurvatureFromTheKeyword) {
  const struct {
    const char* keyword;
    std::optional<double> k;
  } cases[] =
      {
          {"curvas4", -0.001},       {"curvad5", 0.002},      {"curvaS1", -0.0001},
          {"curvax2", 0.0002},       {"curvad3", 0.0004},     {"curvad6", 0.003},
          {"curva61", 0.0001},  // the digits are tested 1 first, wherever they stand
          {"curvad7", std::nullopt}, {"curva", std::nullopt},
      };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keyword);
    EXPECT_EQ(curvature(c.keyword), c.k);
  }
}

}  // namespace
}  // namespace scengen
