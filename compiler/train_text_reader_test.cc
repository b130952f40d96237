// The train-text half of the parser, driven through memorizza_dati with the
// texts in memory.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "compiler/error_codes.h"
#include "compiler/parser.h"
#include "scenario/line_text.h"
#include "scenario/train_text.h"
#include "test/cell_counts.h"
#include "test/model_printers.h"
#include "test/parse_texts.h"

namespace scengen {
namespace {

using testing::crlf;
using testing::Parsed;

// A line of `length` metres with nothing on it but the given records, which
// start on line 4: 1000 m gives last_cell 160, 96000 m gives 2060.
std::string line_of(int32_t length, const std::vector<std::string>& records = {}) {
  std::vector<std::string> lines = {"[generale]", "lunghezza percorso, " + std::to_string(length),
                                    "[curve]"};
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back("[fine]");
  return crlf(lines);
}

// A train text whose records start on line 2.
std::string train(const std::vector<std::string>& records) {
  std::vector<std::string> lines = {"[generale]"};
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back("[fine]");
  return crlf(lines);
}

Parsed parse(const std::string& line_text, const std::string& train_text) {
  return testing::parse_texts(line_text, train_text, 0);
}

// A station row: position, kind, span length, items 4 to 6, the time and a
// name; the other items as on the carried stopping stations.
std::string station(int32_t p, int kind, int32_t s, int byte_1 = 0, int byte_5 = 0, int byte_4 = 0,
                    const std::string& time = "17,26, 0", const std::string& name = "S") {
  return "stazione, " + std::to_string(p) + ", " + std::to_string(kind) + ", " + std::to_string(s) +
         ", " + std::to_string(byte_1) + ", " + std::to_string(byte_5) + ", " +
         std::to_string(byte_4) + ",  1,1,0,  4,1,1,   60,  " + time + ", " + name;
}

// The cells that are not plain, as kind and value_a; and the approach marks.
std::map<int, std::pair<int, int>> kinds(const TrackModel& m) {
  std::map<int, std::pair<int, int>> found;
  for (size_t i = 0; i < m.cells.size(); ++i) {
    if (m.cells[i].kind != kPlain)
      found[static_cast<int>(i)] = {m.cells[i].kind, m.cells[i].value_a};
  }
  return found;
}
std::map<int, int> marks(const TrackModel& m) {
  std::map<int, int> found;
  for (size_t i = 0; i < m.cells.size(); ++i) {
    if (m.cells[i].approach_mark != 0) found[static_cast<int>(i)] = m.cells[i].approach_mark;
  }
  return found;
}

TEST(TrainTextReader, TheCarriedTextsCompileWithoutError) {
  const Parsed p = testing::parse_texts(crlf(line_text()), crlf(train_text()), 1);
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  EXPECT_TRUE(m.diagnostics.empty());
  EXPECT_FALSE(p.line_text_left);
  EXPECT_FALSE(p.train_text_left);

  EXPECT_EQ(testing::count_cells(m, kSignal), 23);
  EXPECT_EQ(testing::count_cells(m, kStationStop), 11);
  EXPECT_EQ(testing::count_cells(m, kCaption), 16);
  EXPECT_EQ(m.cells[13].kind, kSpeedIndicator);

  // Train data.
  EXPECT_EQ(m.items[84].number_1, 120);  // braked mass
  EXPECT_EQ(m.items[84].number_3, 3);    // cars
  EXPECT_EQ(m.items[86].word_1, 300);    // sand
  EXPECT_EQ(std::vector({m.items[86].word_3, m.items[86].word_4, m.items[86].word_5}),
            std::vector<int16_t>({17, 16, 30}));  // the clock, blanks between

  // The first signal: 01 32 00 0A 00 00 00 03 00 00 00 00 10 71 64 in the
  // cell file.
  Cell signal;
  signal.kind = kSignal;
  signal.value_a = 0x32;
  signal.value_b = 0x0A;
  signal.value_d = 3;
  signal.speed_limit = 0x10;
  signal.gradient = 0x71;
  signal.adhesion = 0x64;
  EXPECT_EQ(m.cells[134], signal);

  // Speed 80 km/h and adhesion 100 from cell 0 to last_cell - 3.
  for (int i : {0, 1000, 2057}) {
    EXPECT_EQ(m.cells[i].speed_limit, 16) << i;
    EXPECT_EQ(m.cells[i].adhesion, 100) << i;
  }
  for (int i : {2058, 2059, 2060}) {
    EXPECT_EQ(m.cells[i].speed_limit, 0) << i;
    EXPECT_EQ(m.cells[i].adhesion, 0) << i;
  }

  // The first two stations. The first's items 5 and 6 are cleared.
  // kind, number_1..3, byte_1, text, word_1..5, byte_2..5, number_4
  const Item first{2,    -300, 300, 0, 1, "TOLVO", 4, 1, 2, 1, 1, 0, 1, 0, /* 1 in the text */ 0,
                   62220 /* 17.17.00 */};
  EXPECT_EQ(m.items[1], first);
  const Item second{12, 8300, 8600, 8450, 0,    "BORGO SAN VITALE", 1, 1, 4, 1, 1,
                    0,  60,   0,    0,    62760 /* 17.26.00 */};
  EXPECT_EQ(m.items[2], second);
  // Stop cells 5 and 171; marks 81..83 in cells 4..2 (for f = 4, e = 1 is
  // not above 1) and 81..84 in cells 170..167.
  EXPECT_EQ(m.cells[5].kind, kStationStop);
  EXPECT_EQ(m.cells[5].value_a, 1);
  EXPECT_EQ(m.cells[171].kind, kStationStop);
  EXPECT_EQ(m.cells[171].value_a, 2);
  const std::map<int, int> expected_marks = {{2, 83},   {3, 82},   {4, 81},  {167, 84},
                                             {168, 83}, {169, 82}, {170, 81}};
  std::map<int, int> first_marks;
  for (const auto& [i, mark] : marks(m)) {
    if (i <= 171) first_marks[i] = mark;
  }
  // The signals at 6650 and 7850 mark 126..132 and 150..156 between them.
  for (int i = 126; i <= 156; ++i) first_marks.erase(i);
  EXPECT_EQ(first_marks, expected_marks);

  EXPECT_EQ(m.items[18].text, "SARMALEONTE");
  EXPECT_EQ(m.items[19], Item{});
}

TEST(TrainTextReader, AClockReadsTheSameWithBlanksOrCommas) {
  for (const char* row : {"orologio, 17 16 30", "orologio,    17              16            30 ",
                          "orologio, 17, 16, 30", "orologio,17,16,30", "orologio, 17,16 30"}) {
    SCOPED_TRACE(row);
    const Parsed p = parse(line_of(1000), train({row, "sabbia, 5"}));
    const TrackModel& m = p.model;
    EXPECT_EQ(m.error_code, 0);
    EXPECT_EQ(std::vector({m.items[86].word_3, m.items[86].word_4, m.items[86].word_5}),
              std::vector<int16_t>({17, 16, 30}));
    EXPECT_EQ(m.items[86].word_1, 5);  // the next record is read as it should
  }
}

TEST(TrainTextReader, KeywordsAreTestedIndependentlyInAnyCase) {
  // One keyword satisfying two tests reads both records' values, in the
  // order of the tests: line speed, then adhesion.
  const Parsed p = parse(line_of(1000), train({"VELOCITA e Aderenza, 0, 80, 0, 100",
                                               "PERCENTUALE MASSA FRENATA, 120", "Vetture, 3"}));
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.cells[0].speed_limit, 16);
  EXPECT_EQ(p.model.cells[0].adhesion, 100);
  EXPECT_EQ(p.model.items[84].number_1, 120);
  EXPECT_EQ(p.model.items[84].number_3, 3);
  // The section headers match no keyword.
  const Parsed headers = parse(line_of(1000), train({"[aderenze]", "[vel_limite]", "[stazioni]",
                                                     "[rallentamenti]", "[segnali]", "[codici]"}));
  EXPECT_EQ(headers.model.error_code, 0);
  EXPECT_EQ(headers.model.items[1], Item{});
}

TEST(TrainTextReader, LineSpeedRunsFromRecordToRecord) {
  const struct {
    const char* name;
    std::vector<std::string> records;
    std::map<int, int> speeds;  // cell -> speed_limit
  } cases[] = {
      {"80 then 60 at 5000",
       {"velocita, 0, 80", "velocita, 5000, 60"},
       {{0, 16}, {99, 16}, {100, 12}, {157, 12}, {158, 0}, {160, 0}}},
      {"82 km/h is 16.4", {"velocita, 0, 82"}, {{0, 16}, {157, 16}}},
      {"88 is 17.6", {"velocita, 0, 88"}, {{0, 18}}},
      {"1277 is the fastest", {"velocita, 0, 1277"}, {{0, 255}}},
      {"-2 rounds to 0", {"velocita, 0, -2"}, {{0, 0}}},
      // Cells before the first record get 0.
      {"first record at 1000", {"velocita, 1000, 80"}, {{0, 0}, {19, 0}, {20, 16}}},
      // Two records in one cell: the second writes the cell at the cursor.
      {"same cell",
       {"velocita, 500, 80", "velocita, 510, 60", "velocita, 1000, 100"},
       {{9, 0}, {10, 16}, {11, 12}, {19, 12}, {20, 20}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Parsed p = parse(line_of(1000), train(c.records));
    EXPECT_EQ(p.model.error_code, 0);
    for (const auto& [cell, speed] : c.speeds) {
      EXPECT_EQ(p.model.cells[static_cast<size_t>(cell)].speed_limit, speed) << "cell " << cell;
    }
  }
}

TEST(TrainTextReader, CrowdedSpeedRecordsStopAtTheLastCell) {
  // Every record at 50 writes the cell at the cursor; the cursor stops at
  // last_cell 160 and the tail writes that cell, nothing past it.
  const Parsed p = parse(line_of(1000), train(std::vector<std::string>(200, "velocita, 50, 80")));
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.cells[159].speed_limit, 16);
  EXPECT_EQ(p.model.cells[160].speed_limit, 16);
}

TEST(TrainTextReader, AdhesionRunsFromRecordToRecordInItsLowByte) {
  const Parsed p = parse(line_of(1000), train({"aderenza, 1000, 100", "aderenza, 2000, 356"}));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  EXPECT_EQ(m.cells[19].adhesion, 0);  // before the first record
  EXPECT_EQ(m.cells[20].adhesion, 100);
  EXPECT_EQ(m.cells[39].adhesion, 100);
  EXPECT_EQ(m.cells[40].adhesion, 100);  // 356 - 256
  EXPECT_EQ(m.cells[157].adhesion, 100);
  EXPECT_EQ(m.cells[158].adhesion, 0);
}

TEST(TrainTextReader, WithoutGeneraleNothingIsReadButTheTailsAndTheCheckRun) {
  const Parsed p = parse(line_of(1000, {}),
                         crlf({"[generali]", "velocita, 0, 80", "stazione, 0, 27, 0", "[fine]"}));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  EXPECT_FALSE(p.train_text_left);
  EXPECT_EQ(m.items[1], Item{});
  EXPECT_EQ(m.cells[0].speed_limit, 0);

  const std::string bad_chainage =
      crlf({"[generale]", "lunghezza percorso, 1000", "progressiva chilometrica due, 425, 3600, 0",
            "[curve]", "[fine]"});
  EXPECT_EQ(parse(bad_chainage, crlf({"nothing", "here"})).model.error_code,
            errors::kChainageNotOn50);
  const Parsed bad = parse(bad_chainage, train({"velocita, 0, 80"}));
  EXPECT_EQ(bad.model.error_code, errors::kChainageNotOn50);
  ASSERT_EQ(bad.model.diagnostics.size(), 1u);
  const Diagnostic& d = bad.model.diagnostics[0];
  EXPECT_EQ(d.file, "linea.txt");
  EXPECT_EQ(d.line, 0);
  EXPECT_EQ(d.position, std::nullopt);
  EXPECT_EQ(d.detail,
            "il cambio di progressiva a 425 m, progressiva 3600, non è su un multiplo di 50");
  EXPECT_FALSE(bad.train_text_left);
  EXPECT_EQ(bad.model.cells[157].speed_limit, 16);  // the tails ran before the check
}

TEST(TrainTextReader, SpeedReductions) {
  const struct {
    const char* row;
    int kind, value_a;
  } cases[] = {
      {"abbattimento, 1000, 0", kReductionMarkWithoutValue, 0},
      {"abbattimento, 1000, -5", kReductionMarkWithoutValue, 0},
      {"abbattimento, 1000, 180", kReductionMark, 180},
      {"abbattimento, 1000, 65716", kReductionMark, 180},  // low 16 bits
      {"abbattimento, 1010, 60", kReductionMark, 60},      // the cell that holds it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    const Parsed p = parse(line_of(1000), train({c.row}));
    EXPECT_EQ(p.model.error_code, 0);
    EXPECT_EQ(kinds(p.model), (std::map<int, std::pair<int, int>>{{20, {c.kind, c.value_a}}}));
  }
}

TEST(TrainTextReader, SignalsAndSlowdownsGoToTheirBuilders) {
  const Parsed p = parse(line_of(96000), train({
                                             "segnale, 12100, 2, 3, 1, 0, 0, 0, 0,0,0, 50",
                                             "rallentamento, 20000, 60, 500, 2, 1, 5",
                                         }));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  EXPECT_EQ(m.cells[243].kind, kSignal);
  EXPECT_EQ(m.cells[243].value_a, 30);
  EXPECT_EQ(m.cells[243].signal_time, 101);
  EXPECT_EQ(m.cells[241].approach_mark, 61);
  // The slowdown: approach 373..376, warning 377, start 401, end 411.
  const std::map<int, std::pair<int, int>> expected = {
      {243, {kSignal, 30}},          {373, {kSlowdownApproach, 4}}, {374, {kSlowdownApproach, 3}},
      {375, {kSlowdownApproach, 2}}, {376, {kSlowdownApproach, 1}}, {377, {kSlowdownWarning, 60}},
      {401, {kSlowdownStart, 60}},   {411, {kSlowdownEnd, 60}},
  };
  EXPECT_EQ(kinds(m), expected);
  EXPECT_EQ(m.cells[401].value_b, 5);
  EXPECT_EQ(m.cells[411].value_c, 2);
}

TEST(TrainTextReader, StopSpansMarksAndStopCellsByKind) {
  const struct {
    const char* name;
    int kind;
    int32_t p, s;
    int byte_5, byte_4;  // items 5 and 6 as given
    int32_t first, last;
    int byte_5_kept, byte_4_kept;
    std::optional<int> stop;  // the stop cell
    bool marked;              // marks 81..84 in the four cells before it
  } cases[] = {
      {"kind 5", 5, 1000, 200, 0, 1, 800, 1150, 0, 0, 22, false},
      {"kind 6", 6, 1000, 200, 0, 1, 800, 1150, 0, 0, 22, false},
      {"kind 7", 7, 1000, 200, 0, 1, 800, 1200, 0, 0, 23, true},
      {"kind 8", 8, 1000, 200, 0, 0, 800, 1200, 0, 0, 23, true},
      {"kind 12", 12, 8450, 300, 0, 0, 8300, 8600, 0, 0, 171, true},
      {"kind 12, item 6: 50 m more", 12, 8450, 300, 0, 1, 8300, 8650, 0, 1, 172, true},
      {"span below 600 clears item 5", 12, 8450, 500, 1, 0, 8200, 8700, 0, 0, 173, true},
      {"span of 600 keeps item 5", 12, 8450, 600, 1, 0, 8150, 8750, 1, 0, 174, true},
      {"kind 24 stops", 24, 8450, 300, 0, 0, 8300, 8600, 0, 0, 171, true},
      {"kind 25 passes", 25, 8450, 300, 0, 0, 8300, 8600, 0, 0, {}, false},
      {"kind 27 passes", 27, 8450, 300, 0, 1, 8300, 8650, 0, 1, {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // A first station far back: the first station's items 5 and 6 are
    // always cleared.
    const Parsed p =
        parse(line_of(96000),
              train({station(0, 27, 0), station(c.p, c.kind, c.s, 0, c.byte_5, c.byte_4)}));
    const TrackModel& m = p.model;
    EXPECT_EQ(m.error_code, 0);
    const Item& item = m.items[2];
    EXPECT_EQ(item.kind, c.kind);
    EXPECT_EQ(item.number_3, c.p);
    EXPECT_EQ(item.number_1, c.first);
    EXPECT_EQ(item.number_2, c.last);
    EXPECT_EQ(item.byte_5, c.byte_5_kept);
    EXPECT_EQ(item.byte_4, c.byte_4_kept);
    std::map<int, std::pair<int, int>> stops;
    std::map<int, int> expected_marks;
    if (c.stop) stops[*c.stop] = {kStationStop, 2};
    for (int f = 1; c.marked && f <= 4; ++f) expected_marks[*c.stop - f] = 80 + f;
    EXPECT_EQ(kinds(m), stops);
    EXPECT_EQ(marks(m), expected_marks);
  }
}

TEST(TrainTextReader, TheFirstStationClearsItems5And6) {
  // Its span is worked out before: item 6 still adds its 50 m.
  const Parsed p = parse(line_of(96000), train({station(8450, 12, 600, 0, 1, 1)}));
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.items[1].number_2, 8800);
  EXPECT_EQ(p.model.items[1].byte_4, 0);
  EXPECT_EQ(p.model.items[1].byte_5, 0);
}

TEST(TrainTextReader, TheStopCellIsWrittenWhateverItHeld) {
  const Parsed p = parse(
      line_of(96000), train({"segnale, 8500, 1, 5, 1, 0, 0, 0, 0,0,0, 0", station(8450, 12, 300)}));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  EXPECT_EQ(m.cells[171].kind, kStationStop);
  EXPECT_EQ(m.cells[171].value_a, 1);
  EXPECT_EQ(m.cells[171].value_b, 10);  // the signal's, left as it was
}

TEST(TrainTextReader, StationsAreSpacedBy350Metres) {
  // The second span may start 350 m after the first one's end, not less.
  // 8300..8600, then 8950..9150.
  const Parsed ok = parse(line_of(96000), train({station(8450, 12, 300), station(9050, 12, 200)}));
  EXPECT_EQ(ok.model.error_code, 0);
  EXPECT_EQ(ok.model.items[2].number_1, 8950);
  const Parsed close =
      parse(line_of(96000), train({station(8450, 12, 300), station(9000, 12, 200)}));
  EXPECT_EQ(close.model.error_code, errors::kStationsTooClose);
  EXPECT_EQ(close.model.error_position, 9000);
  // Stored, stop cell included, before the check.
  EXPECT_EQ(close.model.items[2].number_3, 9000);
  EXPECT_EQ(close.model.cells[181].kind, kStationStop);
}

// Captions at 0, 50, 100 ... and stations of kind 27 every 1000 m.
Parsed captions_and_stations(int captions, int stations) {
  std::vector<std::string> caption_rows, station_rows;
  for (int n = 0; n < captions; ++n) {
    caption_rows.push_back("cartello_indicatore, " + std::to_string(n * 50) + ", C" +
                           std::to_string(n));
  }
  for (int n = 1; n <= stations; ++n) {
    station_rows.push_back(station(n * 1000, 27, 0, 0, 0, 0, "0,0,0", "S" + std::to_string(n)));
  }
  return parse(line_of(96000, caption_rows), train(station_rows));
}

TEST(TrainTextReader, StationsMeetTheCaptionSlots) {
  // 16 captions take items 80..65: 62 stations fit, the 63rd is stored into
  // item 63 and ends the parse.
  const Parsed fit = captions_and_stations(16, 62);
  EXPECT_EQ(fit.model.error_code, 0);
  const Parsed full = captions_and_stations(16, 63);
  EXPECT_EQ(full.model.error_code, errors::kTooManyStations);
  ASSERT_EQ(full.model.diagnostics.size(), 1u);
  EXPECT_EQ(full.model.diagnostics[0].position, std::nullopt);
  EXPECT_EQ(full.model.diagnostics[0].line, 64);
  EXPECT_EQ(full.model.items[63].text, "S63");
  EXPECT_EQ(full.model.items[64], Item{});
  EXPECT_EQ(full.model.items[65].text, "C15");

  // 79 captions leave item 1: one station, then code 10.
  const Parsed one = captions_and_stations(79, 1);
  EXPECT_EQ(one.model.error_code, errors::kTooManyStations);
  EXPECT_EQ(one.model.items[1].text, "S1");
  // 80 captions take item 1 too: the station is refused before it could
  // overwrite the last caption.
  const Parsed none = captions_and_stations(80, 1);
  EXPECT_EQ(none.model.error_code, errors::kTooManyStations);
  EXPECT_EQ(none.model.items[1].text, "C79");
  EXPECT_EQ(none.model.items[1].number_3, 0);
}

TEST(TrainTextReader, ACode15OfTheLineTextEndsTheTrainTextAtTheFirstBuilder) {
  const Parsed p = parse(line_of(1000, {"pendenza, 7950, 1"}),
                         train({"velocita, 1000, 80", "segnale, 2000, 1, 5, 1, 0, 0, 0, 0,0,0, 0",
                                station(3000, 12, 300)}));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, errors::kBeyondCellArray);
  EXPECT_EQ(m.error_position, 2000);
  EXPECT_FALSE(p.train_text_left);
  ASSERT_EQ(m.diagnostics.size(), 2u);
  EXPECT_EQ(m.diagnostics[0].file, "linea.txt");
  EXPECT_EQ(m.diagnostics[0].position, 7950);
  const Diagnostic& train_end = m.diagnostics[1];
  EXPECT_EQ(train_end.code, 15);
  EXPECT_EQ(train_end.position, 2000);
  EXPECT_EQ(train_end.file, "treno-.txt");
  EXPECT_EQ(train_end.line, 3);
  EXPECT_EQ(train_end.detail,
            "il testo del treno non è letto oltre questo record: resta l'errore 15 del testo della "
            "linea");
  // The builder did its work; the speed fill before it too; no tail ran and
  // the station was never read.
  EXPECT_EQ(m.cells[41].kind, kSignal);
  EXPECT_EQ(m.cells[19].speed_limit, 0);
  EXPECT_EQ(m.cells[20].speed_limit, 0);
  EXPECT_EQ(m.items[1], Item{});
}

TEST(TrainTextReader, ErrorsTheirPositionsAndWhatIsDeleted) {
  const struct Case {
    const char* name;
    std::string line_text;
    std::optional<std::string> train_text;
    int32_t code;
    std::optional<int32_t> position;
    int line;
  } cases[] = {
      {"speed past the cells", line_of(1000), train({"velocita, 7901, 80"}), 15, 7901, 2},
      {"adhesion past the cells", line_of(1000), train({"aderenza, 7901, 80"}), 15, 7901, 2},
      {"signal past the cells", line_of(1000), train({"segnale, 7901, 1,0,0,0,0,0,0,0,0,0"}), 15,
       7901, 2},
      {"slowdown past the cells", line_of(1000), train({"rallentamento, 7901, 1,0,0,0,0"}), 15,
       7901, 2},
      {"reduction past the cells", line_of(1000), train({"abbattimento, 7901, 1"}), 15, 7901, 2},
      {"station: 800 m of room", line_of(1000), train({station(7250, 27, 0)}), 15, 7250, 2},
      {"reduction on a taken cell", line_of(1000),
       train({"abbattimento, 1000, 1", "abbattimento, 1010, 1"}), 7, 1010, 3},
      {"station not on 50", line_of(96000), train({station(8425, 12, 300)}), 8, 8425, 2},
      {"span not on 100", line_of(96000), train({station(8450, 12, 250)}), 9, 8450, 2},
      {"signal on a taken cell", line_of(1000),
       train({"sabbia, 1", "segnale, 1000, 1,0,0,0,0,0,0,0,0,0",
              "segnale, 1010, 1,0,0,0,0,0,0,0,0,0"}),
       16, 1010, 4},
      {"warning cell taken", line_of(96000),
       train({"segnale, 750, 1,0,0,0,0,0,0,0,0,0", "rallentamento, 1950, 60, 500, 0, 0, 0"}), 17,
       1950, 3},
      {"start cell taken", line_of(96000),
       train({"segnale, 1950, 1,0,0,0,0,0,0,0,0,0", "rallentamento, 1950, 60, 500, 0, 0, 0"}), 18,
       1950, 3},
      {"end cell taken", line_of(96000),
       train({"segnale, 2450, 1,0,0,0,0,0,0,0,0,0", "rallentamento, 1950, 60, 500, 0, 0, 0"}), 19,
       1950, 3},
      {"approach cell taken", line_of(96000), train({"rallentamento, 1575, 60, 500, 0, 1, 0"}), 20,
       1575, 2},
      {"stations too close", line_of(96000),
       train({station(8450, 12, 300), station(9000, 12, 200)}), 22, 9000, 3},
      {"stop cell at cell 1", line_of(1000), train({station(0, 2, 200)}), 24, {}, 2},
      {"slowdown before cell 0", line_of(1000), train({"rallentamento, -100, 60, 500, 0, 0, 0"}),
       200, -100, 2},
      {"slowdown end before cell 0", line_of(1000),
       train({"rallentamento, 1000, 60, -1200, 0, 0, 0"}), 200, 1000, 2},
      {"signal before cell 0", line_of(1000), train({"segnale, -100, 1,0,0,0,0,0,0,0,0,0"}), 200,
       -100, 2},
      {"reduction before cell 0", line_of(1000), train({"abbattimento, -100, 1"}), 200, -100, 2},
      {"slowdown end past the cells", line_of(1000),
       train({"rallentamento, 1000, 60, 7000, 0, 0, 0"}), 201, 1000, 2},
      {"stop cell past the cells", line_of(1000), train({station(1000, 7, 100000)}), 201, 1000, 2},
      {"adhesion crowded past the cells", line_of(1000),
       train(std::vector<std::string>(162, "aderenza, 50, 100")), 205, 50, 163},
      {"adhesion tail past the cells", line_of(1000),
       train(std::vector<std::string>(161, "aderenza, 50, 100")), 205, 50, 162},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Parsed p = parse(c.line_text, *c.train_text);
    const TrackModel& m = p.model;
    EXPECT_EQ(m.error_code, c.code);
    EXPECT_EQ(m.error_position, c.position.value_or(0));
    ASSERT_EQ(m.diagnostics.size(), 1u);
    const Diagnostic& d = m.diagnostics[0];
    EXPECT_EQ(d.code, c.code);
    EXPECT_EQ(d.position, c.position);
    EXPECT_EQ(d.file, "treno-.txt");
    EXPECT_EQ(d.line, c.line);
    EXPECT_FALSE(p.line_text_left);
    EXPECT_FALSE(p.train_text_left);
  }
}

TEST(TrainTextReader, RunTimeFailuresNameWhatFailed) {
  const struct {
    const char* name;
    std::optional<std::string> train_text;
    int line;
    std::string detail;
  } cases[] = {
      {"no train text", std::nullopt, 0,
       "impossibile leggere treno-.txt: No such file or directory"},
      {"an empty train text", std::string(), 1, "lettura oltre la fine del file"},
      {"sand past 16 bits", train({"sabbia, 40000"}), 2,
       "il valore 40000 non sta in un campo con segno da 16 bit (-32768..32767)"},
      {"a speed that is not whole", train({"velocita, 0, 12.5"}), 2,
       "\"12.5\" non è un numero intero"},
      // 1300 / 5 = 260: found when the tail writes it, pointed at its record.
      {"1300 km/h", train({"velocita, 0, 1300", "sabbia, 1"}), 2,
       "la velocità 1300 km/h non sta in un campo senza segno da 8 bit (0..255 unità di 5 km/h)"},
      {"-3 km/h", train({"velocita, 0, -3", "velocita, 100, 80"}), 2,
       "la velocità -3 km/h non sta in un campo senza segno da 8 bit (0..255 unità di 5 km/h)"},
      {"a station kind past 8 bits", train({station(8450, 256, 300)}), 2,
       "il valore 256 non sta in un campo senza segno da 8 bit (0..255)"},
      {"a time past 32 bits", train({station(8450, 12, 300, 0, 0, 0, "596524, 0, 0")}), 2,
       "l'orario in secondi 2147486400 non sta in un campo da 32 bit"},
      {"a span past 32 bits", train({station(8450, 7, -2147483600)}), 2,
       "l'inizio della tratta 2147492050 non sta in un campo da 32 bit"},
      {"a station name past 65535 bytes",
       train({station(8450, 12, 300, 0, 0, 0, "17,26, 0", std::string(65536, 'N'))}), 2,
       "il testo di 65536 caratteri non sta in un elemento (al più 65535)"},
      {"a station cut short", crlf({"[generale]", "stazione, 8450, 12, 300, 0"}), 2,
       "lettura oltre la fine del file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Parsed p = testing::parse_texts(line_of(96000), c.train_text, 0);
    const TrackModel& m = p.model;
    EXPECT_EQ(m.error_code, errors::kRunTimeFailure);
    EXPECT_EQ(m.error_position, 0);
    ASSERT_EQ(m.diagnostics.size(), 1u);
    const Diagnostic& d = m.diagnostics[0];
    EXPECT_EQ(d.position, std::nullopt);
    EXPECT_EQ(d.file, "treno-.txt");
    EXPECT_EQ(d.line, c.line);
    EXPECT_EQ(d.detail, c.detail);
    EXPECT_FALSE(p.line_text_left);
    EXPECT_FALSE(p.train_text_left);
  }
}

}  // namespace
}  // namespace scengen
