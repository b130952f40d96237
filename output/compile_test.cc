#include "output/compile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "compiler/error_codes.h"
#include "output/scenario_codes.h"
#include "scenario/line_text.h"
#include "scenario/train_text.h"
#include "test/model_printers.h"
#include "test/parse_texts.h"
#include "test/temp_dir.h"

namespace scengen {
namespace {

using testing::crlf;

struct Compiled {
  TrackModel model;
  CompileResult result;
  MemoryOutputs outputs;
  bool line_text_left = false;
  bool train_text_left = false;
};

Compiled compile(std::optional<std::string> line, std::optional<std::string> train, int32_t j = 1) {
  Compiled c;
  c.model.scenario_name = "Tolvo_Sarmaleonte";
  c.model.train_code = "R31474";
  MemorySourceTexts texts(std::move(line), std::move(train));
  c.result = memorizza_percorso(j, c.model, texts, c.outputs);
  c.line_text_left = texts.exists(SourceKind::kLineText);
  c.train_text_left = texts.exists(SourceKind::kTrainText);
  return c;
}

Compiled compile_carried(int32_t j = 1) {
  return compile(crlf(line_text()), crlf(train_text()), j);
}

// A line of `length` metres with nothing on it.
std::string bare_line(int32_t length) {
  return crlf({"[generale]", "lunghezza percorso, " + std::to_string(length), "[curve]", "[fine]"});
}
std::string train(const std::vector<std::string>& records) {
  std::vector<std::string> lines = {"[generale]"};
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back("[fine]");
  return crlf(lines);
}

TEST(Compile, TheCarriedScenario) {
  Compiled c = compile_carried();
  ASSERT_EQ(c.result.end, CompileEnd::kWritten);
  EXPECT_TRUE(c.model.diagnostics.empty());
  EXPECT_EQ(c.model.error_code, 0);
  EXPECT_FALSE(c.line_text_left);
  EXPECT_FALSE(c.train_text_left);
  EXPECT_EQ(c.outputs.order, (std::vector<OutputKind>{OutputKind::kLinePlan, OutputKind::kItemTable,
                                                      OutputKind::kCellArray}));

  EXPECT_EQ(c.outputs.files[OutputKind::kLinePlan].size(), 2059964u);
  size_t texts = 0;
  for (const Item& item : c.model.items) texts += item.text.size();
  EXPECT_EQ(c.outputs.files[OutputKind::kItemTable].size(), 2958 + texts);

  const std::string& cells = c.outputs.files[OutputKind::kCellArray];
  ASSERT_EQ(cells.size(), 30915u);
  // The first signal, 6650 m: record 134.
  EXPECT_EQ(cells.substr(2010, 15), std::string("\x01\x32\x00\x0A\x00\x00\x00\x03"
                                                "\x00\x00\x00\x00\x10\x71\x64",
                                                15));
  // Cell 1: value_a = 5121 (01 14), value_b = codice_gara_og = 2405 (65 09).
  EXPECT_EQ(cells.substr(16, 4), std::string("\x01\x14\x65\x09", 4));

  // Item 85: word_1 = 610, number_4 = codice_gara_st = 33348.
  const Item& background = c.model.items[kBackgroundItem];
  EXPECT_EQ(background.word_1, 610);
  EXPECT_EQ(background.number_4, 33348);
  EXPECT_EQ(background.text, "Tolvo_Sarmaleonte");
  EXPECT_EQ(c.model.items[kRepetitionItem].text, "R31474");
}

TEST(Compile, TheCarriedLineHasNoSlowdownsSoThePassesChangeNoCell) {
  const Compiled c = compile_carried();
  testing::Parsed parsed =
      testing::parse_texts(crlf(line_text()), crlf(train_text()), /*plan_enabled=*/1);
  std::vector<Cell> expected = parsed.model.cells;
  expected[1].value_a = 5121;
  expected[1].value_b = 2405;
  EXPECT_EQ(c.model.cells, expected);
  EXPECT_EQ(codice_gara_og(c.model), 2405);
}

TEST(Compile, WithoutThePlanNoLinePlanFile) {
  Compiled c = compile_carried(0);
  ASSERT_EQ(c.result.end, CompileEnd::kWritten);
  EXPECT_EQ(c.outputs.order,
            (std::vector<OutputKind>{OutputKind::kItemTable, OutputKind::kCellArray}));
  EXPECT_TRUE(c.model.track_plan.empty());
  EXPECT_EQ(c.outputs.files[OutputKind::kCellArray].size(), 30915u);
}

TEST(Compile, WithoutThePlanAnEarlierLinePlanFileStays) {
  testing::TempDir dir;
  testing::write_file(dir / "p.dat", "earlier");
  FileOutputs outputs(dir / "p.dat", dir / "i.sim", dir / "c.dat");
  TrackModel m;
  MemorySourceTexts texts(bare_line(1000), train({}));
  const int32_t j = 0;
  EXPECT_EQ(memorizza_percorso(j, m, texts, outputs).end, CompileEnd::kWritten);
  EXPECT_EQ(testing::read_file(dir / "p.dat"), "earlier");
  EXPECT_EQ(std::filesystem::file_size(dir / "c.dat"), 161u * 15);
}

TEST(Compile, ItemsAreClearedBeforeTheParserRuns) {
  Compiled c;
  c.model.items[5].text = "left from before";
  c.model.items[85].word_1 = 610;  // would fail check 1250
  c.model.error_code = 16;
  c.model.diagnostics.push_back({16, std::nullopt, "", 0, ""});
  MemorySourceTexts texts(bare_line(1000), train({}));
  c.result = memorizza_percorso(1, c.model, texts, c.outputs);
  EXPECT_EQ(c.result.end, CompileEnd::kWritten);
  EXPECT_EQ(c.model.items[5].text, "");
  EXPECT_EQ(c.model.error_code, 0);
  EXPECT_TRUE(c.model.diagnostics.empty());
}

TEST(Compile, RecordedErrorsStillWriteTheFiles) {
  // A signal on the board cell of another: code 16 stops the train text.
  Compiled c =
      compile(bare_line(1000),
              train({"segnale, 500, 1,5,1,0,0,0,0,0,0,0", "segnale, 500, 1,5,1,0,0,0,0,0,0,0"}));
  EXPECT_EQ(c.result.end, CompileEnd::kWritten);
  EXPECT_EQ(c.model.error_code, errors::kSignalCellTaken);
  EXPECT_EQ(c.outputs.order.size(), 3u);
  EXPECT_EQ(c.outputs.files[OutputKind::kCellArray].size(), 161u * 15);
}

TEST(Compile, APassErrorIsRecordedAndTheFilesWritten) {
  // A 60 km/h slowdown from 5000 m to 5400 m: start cell 101, end cell 109,
  // warning cell 77. The approach windows mark 96, 90 and 83, the stepping
  // 108 (the step point is the end cell) and the exit look-ahead 113, before
  // the signal at 5650 m. The warning looks back at signals on cells 61, 60
  // and 59: the first has two signals before it, so error 11 at cell 61;
  // the other two get 58 and 57.
  Compiled c =
      compile(bare_line(10000),
              train({"segnale, 2900, 1,5,1,0,0,0,0,0,0,0", "segnale, 2950, 1,5,1,0,0,0,0,0,0,0",
                     "segnale, 3000, 1,5,1,0,0,0,0,0,0,0", "rallentamento, 5000, 60, 400, 0, 0, 0",
                     "segnale, 5650, 1,5,1,0,0,0,0,0,0,0"}));
  ASSERT_EQ(c.result.end, CompileEnd::kWritten);
  std::vector<int> marks;
  for (size_t n = 0; n < c.model.cells.size(); ++n) {
    if (c.model.cells[n].kind == kReductionMark) {
      EXPECT_EQ(c.model.cells[n].value_a, 180);
      marks.push_back(static_cast<int>(n));
    }
  }
  EXPECT_EQ(marks, (std::vector<int>{57, 58, 83, 90, 96, 108, 113}));
  ASSERT_EQ(c.model.diagnostics.size(), 1u);
  EXPECT_EQ(c.model.diagnostics[0],
            (Diagnostic{errors::kNoRoomBeforeSignal, 3050, "treno-.txt", 0,
                        "segnale alla cella 61, avviso di rallentamento alla cella 77"}));
  EXPECT_EQ(c.model.error_code, errors::kNoRoomBeforeSignal);
  ASSERT_EQ(c.outputs.order.size(), 3u);
  // The marks are in the cell file: record 108, kind 12, value_a 180.
  EXPECT_EQ(c.outputs.files[OutputKind::kCellArray].substr(108 * 15, 3),
            std::string("\x0C\xB4\x00", 3));
}

TEST(Compile, FatalChecksWriteNoFile) {
  const struct {
    const char* name;
    std::string train_text;
    const char* fatal;
  } cases[] = {
      // A slowdown at metre 0 starts in cell 1 with its speed in value_a.
      {"a slowdown at metre 0", train({"rallentamento, 0, 60, 500, 0, 0, 0"}), "1250"},
      // A signal at metre 0 with 0 in value_a and 10 in value_b.
      {"value_b alone", train({"segnale, 0, 1,0,1,0,0,0,0,0,0,0"}), "1251"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Compiled r = compile(bare_line(1000), c.train_text);
    EXPECT_EQ(r.result.end, CompileEnd::kFatal);
    EXPECT_EQ(r.result.fatal, c.fatal);
    EXPECT_TRUE(r.outputs.order.empty());
    EXPECT_FALSE(r.line_text_left);
    EXPECT_FALSE(r.train_text_left);
  }
}

TEST(Compile, FatalChecksLeaveTheFilesOfAnEarlierRun) {
  testing::TempDir dir;
  for (const char* name : {"p.dat", "i.sim", "c.dat"}) testing::write_file(dir / name, "earlier");
  FileOutputs outputs(dir / "p.dat", dir / "i.sim", dir / "c.dat");
  TrackModel m;
  MemorySourceTexts texts(bare_line(1000), train({"rallentamento, 0, 60, 500, 0, 0, 0"}));
  EXPECT_EQ(memorizza_percorso(1, m, texts, outputs).end, CompileEnd::kFatal);
  EXPECT_EQ(testing::list_dir(dir.path()), (std::vector<std::string>{"c.dat", "i.sim", "p.dat"}));
  for (const char* name : {"p.dat", "i.sim", "c.dat"}) {
    EXPECT_EQ(testing::read_file(dir / name), "earlier");
  }
}

TEST(Compile, NoCellsNothingToWrite) {
  const struct {
    const char* name;
    std::optional<std::string> line_text;
    int32_t code;
  } cases[] = {
      {"no line text", std::nullopt, errors::kNoLineText},
      {"no [generale]", crlf({"lunghezza percorso, 1000"}), errors::kNoGeneralSection},
      {"route too long", bare_line(1000001), errors::kRouteTooLong},
      {"no route length", crlf({"[generale]", "[curve]", "[fine]"}), errors::kRunTimeFailure},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Compiled r = compile(c.line_text, train({}));
    EXPECT_EQ(r.result.end, CompileEnd::kNoCells);
    EXPECT_EQ(r.model.error_code, c.code);
    EXPECT_FALSE(r.model.diagnostics.empty());
    EXPECT_TRUE(r.outputs.order.empty());
  }
}

TEST(Compile, AFileThatCannotBeWrittenStopsTheRestAndSaysWhich) {
  testing::TempDir dir;
  std::filesystem::create_directory(dir / "i.sim");
  FileOutputs outputs(dir / "p.dat", dir / "i.sim", dir / "c.dat");
  TrackModel m;
  MemorySourceTexts texts(bare_line(1000), train({}));
  const CompileResult r = memorizza_percorso(1, m, texts, outputs);
  EXPECT_EQ(r.end, CompileEnd::kWriteFailed);
  EXPECT_EQ(r.write_error.rfind("cannot write " + (dir / "i.sim").string() + ": ", 0), 0u)
      << r.write_error;
  // The plan was written before; the cell file never is.
  EXPECT_EQ(testing::list_dir(dir.path()), (std::vector<std::string>{"i.sim", "p.dat"}));
}

}  // namespace
}  // namespace scengen
