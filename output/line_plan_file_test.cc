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

}  // namespace
}  // namespace scengen
