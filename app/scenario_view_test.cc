#include "app/scenario_view.h"

#include <gtest/gtest.h>

#include "output/cell_file.h"
#include "output/compile.h"
#include "output/item_file.h"
#include "scenario/line_text.h"
#include "scenario/train_text.h"
#include "test/parse_texts.h"

namespace scengen {
namespace {

using testing::crlf;

struct Decoded {
  std::vector<Cell> cells;
  std::array<Item, kItemCount> items;
  LinePlan plan;
};

// The texts compiled, and the three files read back as a reader of the
// files would.
Decoded compile_and_read(const std::string& line, const std::string& train) {
  TrackModel model;
  model.scenario_name = "Tolvo_Sarmaleonte";
  model.train_code = "R31474";
  MemorySourceTexts texts(line, train);
  MemoryOutputs outputs;
  EXPECT_EQ(memorizza_percorso(1, model, texts, outputs).end, CompileEnd::kWritten);
  Decoded d;
  std::string err;
  EXPECT_TRUE(read_cell_array(outputs.files[OutputKind::kCellArray], &d.cells, &err)) << err;
  EXPECT_TRUE(read_item_table(outputs.files[OutputKind::kItemTable], &d.items, &err)) << err;
  EXPECT_TRUE(read_line_plan(outputs.files[OutputKind::kLinePlan], &d.plan, &err)) << err;
  return d;
}

TEST(ScenarioView, TheCarriedScenario) {
  const Decoded d = compile_and_read(crlf(line_text()), crlf(train_text()));
  ScenarioView v;
  std::string err;
  ASSERT_TRUE(view_scenario(d.cells, d.items, &v, &err)) << err;

  EXPECT_EQ(v.scenario_name, "Tolvo_Sarmaleonte");
  EXPECT_EQ(v.train_code, "R31474");
  EXPECT_EQ(v.route_length, 96000);
  EXPECT_EQ(v.cars, 3);
  EXPECT_EQ(v.braked_mass, 120);
  EXPECT_EQ(v.clock, (17 * 60 + 16) * 60 + 30);

  ASSERT_EQ(v.stations.size(), 18u);
  const StationView& second = v.stations[1];
  EXPECT_EQ(second.item, 2);
  EXPECT_EQ(second.name, "BORGO SAN VITALE");
  EXPECT_EQ(second.position, 8450);
  EXPECT_EQ(second.span_start, 8300);
  EXPECT_EQ(second.span_end, 8600);
  EXPECT_EQ(second.kind, 12);
  EXPECT_EQ(second.stop_seconds, 60);
  EXPECT_EQ(second.time, 62760);
  EXPECT_EQ(v.stations.back().name, "SARMALEONTE");
  EXPECT_EQ(v.stations.back().position, 95900);

  ASSERT_EQ(v.signals.size(), 23u);
  EXPECT_EQ(v.signals.front(), 6650);
  EXPECT_EQ(v.signals.back(), 95000);
  ASSERT_EQ(v.captions.size(), 16u);
  EXPECT_EQ(v.captions.front().position, 750);
  EXPECT_EQ(v.captions.front().text.substr(0, 11), "(Galleria )");
  EXPECT_EQ(v.captions.back().position, 81100);

  // "uno" 8450 → 3600; "due" 81200 → 95900 counting down, stored + 100.
  ASSERT_EQ(v.chainage_changes.size(), 2u);
  EXPECT_EQ(v.chainage_changes[0].position, 8450);
  EXPECT_EQ(v.chainage_changes[0].chainage, 3600);
  EXPECT_FALSE(v.chainage_changes[0].counts_down);
  EXPECT_EQ(v.chainage_changes[1].position, 81200);
  EXPECT_EQ(v.chainage_changes[1].chainage, 96000);
  EXPECT_TRUE(v.chainage_changes[1].counts_down);

  // One point every 50 m: 1921 for 96 km. Level to 700 m, then 13 per mille
  // over cells 14 to 164: 151 × 50 m × 0.013 = 98.15 m at 8250 m.
  ASSERT_EQ(v.altitude.size(), 1921u);
  EXPECT_DOUBLE_EQ(v.altitude[14], 0);
  EXPECT_NEAR(v.altitude[165], 98.15, 1e-9);
  EXPECT_EQ(v.steepest_climb.per_mille, 27);
  EXPECT_EQ(v.steepest_fall.per_mille, -23);

  ASSERT_EQ(v.speeds.size(), 1u);
  EXPECT_EQ(v.speeds[0].start, 0);
  EXPECT_EQ(v.speeds[0].km_h, 80);

  // "montagna, 800, 2050, 12": type 2 from the cell holding 800 m.
  ASSERT_FALSE(v.mountains.empty());
  EXPECT_EQ(v.mountains[0].start, 800);
  EXPECT_EQ(v.mountains[0].type, 2);

  EXPECT_EQ(v.kind_counts[kSignal], 23);
  EXPECT_EQ(v.kind_counts[kStationStop], 11);
  EXPECT_EQ(v.kind_counts[kCaption], 16);

  // "curvas4, 800, 400": metres 801 to 1200 turn counter-clockwise by 0.001.
  const std::vector<CurveView> curves = curves_of(d.plan, v.route_length);
  ASSERT_FALSE(curves.empty());
  EXPECT_EQ(curves[0].start, 800);
  EXPECT_EQ(curves[0].end, 1200);
  EXPECT_DOUBLE_EQ(curves[0].curvature, -0.001);
}

// Curves come back from the plan as the records drew them: side, class and
// extent; two records that join with the same curvature read as one curve.
TEST(ScenarioView, CurvesFromThePlan) {
  const std::string line = crlf({"[generale]", "lunghezza percorso, 20000", "[curve]",
                                 "curvas4, 1000, 500", "curvad1, 3000, 200", "curvad6, 3200, 100",
                                 "curvad6, 3300, 100", "curvas2, 9000, 1000", "[fine]"});
  const Decoded d = compile_and_read(line, crlf({"[generale]", "[fine]"}));
  const std::vector<CurveView> curves = curves_of(d.plan, 20000);
  const struct {
    int32_t start, end;
    double curvature;
  } expected[] = {
      {1000, 1500, -0.001}, {3000, 3200, 0.0001}, {3200, 3400, 0.003}, {9000, 10000, -0.0002}};
  ASSERT_EQ(curves.size(), std::size(expected));
  for (size_t i = 0; i < curves.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(curves[i].start, expected[i].start);
    EXPECT_EQ(curves[i].end, expected[i].end);
    EXPECT_DOUBLE_EQ(curves[i].curvature, expected[i].curvature);
  }
  // Only the metres asked for.
  EXPECT_EQ(curves_of(d.plan, 3100).size(), 2u);
  EXPECT_EQ(curves_of(d.plan, 3100).back().end, 3100);
}

TEST(ScenarioView, FilesOfTwoCompilesAreRefused) {
  const Decoded d = compile_and_read(crlf({"[generale]", "lunghezza percorso, 3000", "[fine]"}),
                                     crlf({"[generale]", "[fine]"}));
  ScenarioView v;
  std::string err;
  ASSERT_TRUE(view_scenario(d.cells, d.items, &v, &err)) << err;
  EXPECT_TRUE(v.stations.empty());
  EXPECT_EQ(v.altitude.size(), 61u);

  std::array<Item, kItemCount> items = d.items;
  items[kGeneralItem].number_2 = 3050;
  EXPECT_FALSE(view_scenario(d.cells, items, &v, &err));
  EXPECT_EQ(err,
            "the cell file has 201 cells, and a route of 3050 m has 202: the two files are not "
            "of one compile");
  items[kGeneralItem].number_2 = -50;
  EXPECT_FALSE(view_scenario(d.cells, items, &v, &err));
  EXPECT_EQ(err, "the item file gives a route length of -50 m, outside 0 to 1000000");
}

}  // namespace
}  // namespace scengen
