#include "output/line_plan_file.h"

#include <gtest/gtest.h>

#include <string>

#include "scenario/line_text.h"
#include "test/parse_texts.h"
#include "test/sized_model.h"

namespace scengen {
namespace {

TEST(LinePlanFile, EachTagCarriesItsOwnWidth) {
  TrackModel m;
  m.track_plan.assign(3);
  m.track_plan.set(0, {PlanTag::kInt16, 1});
  m.track_plan.set(1, {PlanTag::kDouble, -0.5});
  const std::string b = bytes_of([&](ByteWriter& w) { write_line_plan(m, w); });
  EXPECT_EQ(b, std::string("\x02\x00\x01\x00"                          // tag 2, i16 1
                           "\x05\x00\x00\x00\x00\x00\x00\x00\xE0\xBF"  // tag 5, f64 -0.5
                           "\x00\x00",                                 // tag 0, no value
                           16));
}

TEST(LinePlanFile, TheCarriedRouteBlockByBlock) {
  const testing::Parsed p = testing::parse_texts(testing::crlf(line_text()), std::nullopt, 1);
  ASSERT_EQ(p.model.plan_last_metre, 103000);
  const std::string b = bytes_of([&](ByteWriter& w) { write_line_plan(p.model, w); });
  // 20 * M - 36 bytes: each coordinate 10 * M - 18.
  ASSERT_EQ(b.size(), 2059964u);
  const size_t block = 1029982;
  // Coordinate 0 of metres 0, 1, 2: 0, 0 and 0.0.
  EXPECT_EQ(b.substr(0, 18), std::string("\x02\x00\x00\x00"
                                         "\x02\x00\x00\x00"
                                         "\x05\x00\x00\x00\x00\x00\x00\x00\x00\x00",
                                         18));
  // Coordinate 1 of metres 0, 1, 2: 0, 1 and 2.0.
  EXPECT_EQ(b.substr(block, 18), std::string("\x02\x00\x00\x00"
                                             "\x02\x00\x01\x00"
                                             "\x05\x00\x00\x00\x00\x00\x00\x00\x00\x40",
                                             18));
  // Each block ends with metres M - 1 and M, never drawn: the tag alone.
  EXPECT_EQ(b.substr(block - 4, 4), std::string(4, '\0'));
  EXPECT_EQ(b.substr(b.size() - 4), std::string(4, '\0'));
  EXPECT_EQ(b.substr(block - 14, 2), std::string("\x05\x00", 2));
}

TEST(LinePlanFile, NoPlanNoBytes) {
  const TrackModel m = testing::sized_model(1000, 0);
  EXPECT_EQ(bytes_of([&](ByteWriter& w) { write_line_plan(m, w); }), "");
}

TEST(LinePlanFile, ReadsBackTheCarriedPlanValueForValue) {
  const testing::Parsed p = testing::parse_texts(testing::crlf(line_text()), std::nullopt, 1);
  const std::string b = bytes_of([&](ByteWriter& w) { write_line_plan(p.model, w); });
  LinePlan plan;
  std::string err;
  ASSERT_TRUE(read_line_plan(b, &plan, &err)) << err;
  EXPECT_EQ(plan.last_metre, 103000);
  ASSERT_EQ(plan.values.size(), p.model.track_plan.size());
  for (size_t i = 0; i < plan.values.size(); ++i) {
    // Bit for bit: the doubles go through the file unchanged.
    ASSERT_EQ(plan.values[i], p.model.track_plan[i]) << i;
  }
  EXPECT_EQ(plan.at(1, 1), (PlanValue{PlanTag::kInt16, 1}));
}

// A plan of the shortest line, M = 7000, every drawn value 0.5.
std::string shortest_plan() {
  TrackModel m;
  m.track_plan.assign(2 * 7001);
  for (size_t i = 0; i < m.track_plan.size(); ++i) m.track_plan.set(i, {PlanTag::kDouble, 0.5});
  m.track_plan.set(0, {PlanTag::kInt16, 0});
  m.track_plan.set(1, {PlanTag::kInt16, 0});
  m.track_plan.set(7001, {PlanTag::kInt16, 0});
  m.track_plan.set(7002, {PlanTag::kInt16, 1});
  return bytes_of([&](ByteWriter& w) { write_line_plan(m, w); });
}

TEST(LinePlanFile, WhatIsNotALinePlanSaysWhereItGoesWrong) {
  const std::string good = shortest_plan();
  {
    LinePlan plan;
    std::string err;
    ASSERT_TRUE(read_line_plan(good, &plan, &err)) << err;
    EXPECT_EQ(plan.last_metre, 7000);
  }
  // Coordinate 1 starts at byte 8 + 6999 * 10 = 69998.
  std::string bad_tag = good;
  bad_tag[18] = 3;  // the value of metre 2
  std::string wrong_start = good;
  wrong_start[69998 + 6] = 2;  // coordinate 1, metre 1: 2 instead of 1
  const struct {
    std::string bytes;
    std::string error;
  } cases[] = {
      {good.substr(0, good.size() - 1),
       "truncated line plan file: the value at byte 139986 (tag 5) needs 8 bytes after its tag, "
       "only 7 are left"},
      {good + "\x02",
       "truncated line plan file: 1 byte at byte 139996 where a 2-byte tag was expected"},
      {bad_tag, "not a line plan file: the value at byte 18 has tag 3, expected 0, 2 or 5"},
      {good + std::string(2, '\0'),
       "not a line plan file: 14003 values are not two coordinates of a line (each of 7001 to "
       "1007001 metres)"},
      {good.substr(0, 69998),
       "not a line plan file: 7001 values are not two coordinates of a line (each of 7001 to "
       "1007001 metres)"},
      {wrong_start,
       "not a line plan file: expected the integer 1 for metre 1 of coordinate 1 at byte 70002"},
      // Empty but for the integer 1 at metre 1 of coordinate 1: neither
      // drawn nor never drawn.
      {std::string(2 * 7001 + 2, '\0') + std::string("\x02\x00\x01\x00", 4) +
           std::string(2 * 6999, '\0'),
       "not a line plan file: expected the integer 0 for metre 0 of coordinate 0 at byte 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    LinePlan plan;
    std::string err;
    EXPECT_FALSE(read_line_plan(c.bytes, &plan, &err));
    EXPECT_EQ(err, c.error);
  }
}

// A compile that stops in the general block (code 3, say) still writes the
// plan, never drawn: every element empty. It reads back as such.
TEST(LinePlanFile, APlanNeverDrawnReadsBack) {
  LinePlan plan;
  std::string err;
  ASSERT_TRUE(read_line_plan(std::string(2 * 7001 * 2, '\0'), &plan, &err)) << err;
  EXPECT_EQ(plan.last_metre, 7000);
  EXPECT_EQ(plan.values.size(), 14002u);
  EXPECT_EQ(plan.at(1, 1), PlanValue());
}

}  // namespace
}  // namespace scengen
