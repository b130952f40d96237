// scengen compile and scengen dump seen from outside: the real program on an
// author's texts in temporary folders.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "scenario/line_text.h"
#include "scenario/train_text.h"
#include "test/parse_texts.h"
#include "test/run_program.h"
#include "test/temp_dir.h"
#include "test/tiny_scenario.h"

namespace scengen {
namespace {

using nlohmann::json;
using testing::crlf;
using testing::kTinyLine;
using testing::kTinyTrain;
using testing::list_dir;
using testing::quoted;
using testing::read_file;
using testing::Result;
using testing::run;
using testing::TempDir;
using testing::write_file;

// The train text with line 6 (1-based) replaced.
std::string train_with(const std::string& line6) {
  std::vector<std::string> lines = kTinyTrain;
  lines[5] = line6;
  return crlf(lines);
}

std::vector<json> json_lines(const std::string& out) {
  std::vector<json> lines;
  size_t start = 0;
  for (size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(json::parse(out.substr(start, end - start)));  // throws on bad JSON
  }
  EXPECT_EQ(start, out.size()) << "the last line has no line feed";
  return lines;
}

std::map<std::string, int> count_by(const std::vector<json>& rows, const std::string& key) {
  std::map<std::string, int> counts;
  for (size_t i = 1; i < rows.size(); ++i) ++counts[rows[i].at(key).get<std::string>()];
  return counts;
}

TEST(CompileCommand, TheCarriedTextsCompileAndDumpAsTheRunDoes) {
  TempDir tmp;
  const std::string line = crlf(line_text());
  const std::string train = crlf(train_text());
  write_file(tmp / "Tolvo_Sarmaleonte_linea.txt", line);
  write_file(tmp / "Tolvo_Sarmaleonte_R31474-.txt", train);

  Result r = run(SCENGEN_EXE,
                 "compile Tolvo_Sarmaleonte_linea.txt Tolvo_Sarmaleonte_R31474-.txt --out out",
                 tmp.path());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  // The author's texts are still there, byte for byte.
  EXPECT_EQ(read_file(tmp / "Tolvo_Sarmaleonte_linea.txt"), line);
  EXPECT_EQ(read_file(tmp / "Tolvo_Sarmaleonte_R31474-.txt"), train);
  EXPECT_EQ(list_dir(tmp / "out"), (std::vector<std::string>{"Tolvo_Sarmaleonte_R31474.dat",
                                                             "Tolvo_Sarmaleonte_R31474.sim",
                                                             "Tolvo_Sarmaleonte_linea.dat"}));
  const std::string cells = read_file(tmp / "out/Tolvo_Sarmaleonte_R31474.dat");
  ASSERT_EQ(cells.size(), 30915u);
  EXPECT_EQ(cells.substr(16, 4), std::string("\x01\x14\x65\x09", 4));  // 5121, codice_gara_og 2405
  EXPECT_EQ(std::filesystem::file_size(tmp / "out/Tolvo_Sarmaleonte_R31474.sim"), 3639u);
  EXPECT_EQ(std::filesystem::file_size(tmp / "out/Tolvo_Sarmaleonte_linea.dat"), 2059964u);

  // The cells: 23 signals, 11 station stops and 16 captions.
  r = run(SCENGEN_EXE, "dump --json out/Tolvo_Sarmaleonte_R31474.dat", tmp.path());
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<json> rows = json_lines(r.out);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], json::parse(R"({"file":"out/Tolvo_Sarmaleonte_R31474.dat",
      "file_kind":"cell file","bytes":30915,"cells":2061,"last_cell":2060})"));
  std::map<std::string, int> kinds = count_by(rows, "kind_name");
  EXPECT_EQ(kinds["signal"], 23);
  EXPECT_EQ(kinds["station stop"], 11);
  EXPECT_EQ(kinds["caption"], 16);
  // The first signal, at 6650 m, in cell 134.
  EXPECT_EQ(rows.at(1).at("cell"), 1);  // cell 1: plain, with the stamp and the code
  EXPECT_EQ(rows.at(1).at("value_b"), 2405);
  bool found = false;
  for (const json& row : rows) {
    if (row.value("cell", -1) != 134) continue;
    found = true;
    EXPECT_EQ(row, json::parse(R"({"cell":134,"metre":6700,"kind":1,"kind_name":"signal",
        "value_a":50,"value_b":10,"value_c":0,"value_d":3,"signal_time":0,"approach_mark":0,
        "mountain_type":0,"speed_limit":16,"gradient":113,"adhesion":100})"));
  }
  EXPECT_TRUE(found);

  // --all: every cell.
  r = run(SCENGEN_EXE, "dump --json --all out/Tolvo_Sarmaleonte_R31474.dat", tmp.path());
  EXPECT_EQ(json_lines(r.out).size(), 1u + 2061);

  // The items: 18 stations, 16 captions, two chainage changes, the three
  // general items.
  r = run(SCENGEN_EXE, "dump --json out/Tolvo_Sarmaleonte_R31474.sim", tmp.path());
  ASSERT_EQ(r.status, 0) << r.err;
  rows = json_lines(r.out);
  EXPECT_EQ(count_by(rows, "label"), (std::map<std::string, int>{{"station", 18},
                                                                 {"caption", 16},
                                                                 {"chainage change", 2},
                                                                 {"general", 1},
                                                                 {"scenario", 1},
                                                                 {"train", 1}}));
  EXPECT_EQ(rows.back().at("text"), "R31474");
  EXPECT_EQ(rows.at(rows.size() - 2).at("number_4"), 33348);  // codice_gara_st

  // The plan: a summary, then metres 0, 100, ... 103000.
  r = run(SCENGEN_EXE, "dump --json out/Tolvo_Sarmaleonte_linea.dat", tmp.path());
  ASSERT_EQ(r.status, 0) << r.err;
  rows = json_lines(r.out);
  ASSERT_EQ(rows.size(), 1u + 1031);
  EXPECT_EQ(rows[0].at("last_metre"), 103000);
  EXPECT_EQ(rows[0].at("route_length"), 96000);
  EXPECT_EQ(rows[0].at("integers"), 4);
  EXPECT_EQ(rows[0].at("doubles"), 205994);
  EXPECT_EQ(rows[0].at("empty"), 4);
  EXPECT_EQ(rows[1], json::parse(R"({"metre":0,"coordinate_0":0,"coordinate_1":0})"));
  EXPECT_EQ(rows[2], json::parse(R"({"metre":100,"coordinate_0":0,"coordinate_1":100})"));
  // Metre 103000 was never drawn.
  EXPECT_EQ(rows.back(),
            json::parse(R"({"metre":103000,"coordinate_0":null,"coordinate_1":null})"));
}

TEST(CompileCommand, AHandWrittenScenarioInTextForm) {
  TempDir tmp;
  write_file(tmp / "Prova_linea.txt", crlf(kTinyLine));
  write_file(tmp / "Prova_R1-.txt", crlf(kTinyTrain));
  Result r = run(SCENGEN_EXE, "compile Prova_linea.txt Prova_R1-.txt", tmp.path());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(list_dir(tmp.path()),
            (std::vector<std::string>{"Prova_R1-.txt", "Prova_R1.dat", "Prova_R1.sim",
                                      "Prova_linea.dat", "Prova_linea.txt"}));

  r = run(SCENGEN_EXE, "dump Prova_R1.dat", tmp.path());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const std::string header =
      "  cell    metre  kind                         value_a value_b value_c value_d signal_time "
      "approach_mark mountain_type speed_limit gradient adhesion\n";
  EXPECT_EQ(r.out,
            "Prova_R1.dat: cell file, 201 cells (last_cell 200), 3015 bytes\n" + header +
                "     1       50  plain                           5121    2533       0       0   "
                "        0             0             0          12      105      100\n"
                "     5      250  station stop                       1       0       0       0   "
                "        0             0             0          12      105      100\n"
                "    25     1250  caption                           80       0       0       0   "
                "        0            33             0          12      105      100\n"
                "    31     1550  signal                            50      10       0       3   "
                "        0             0             0          12      105      100\n"
                "    55     2750  station stop                       2       0       0       0   "
                "        0             0             0          12      105      100\n"
                "kinds: plain 197, signal 1, station stop 2, caption 1\n");

  r = run(SCENGEN_EXE, "dump Prova_R1.sim", tmp.path());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(
      r.out,
      "Prova_R1.sim: item file, 87 items, 3003 bytes\n"
      "item  1  station         \"ALFA\" kind=2 number_1=-300 (span start) number_2=300 (span "
      "end) byte_1=1 word_1=1 word_2=1 word_3=2 word_4=1 word_5=1 byte_3=1 (stop seconds) "
      "number_4=28800 (time 08:00:00)\n"
      "item  2  station         \"BETA\" kind=2 number_1=2200 (span start) number_2=2800 (span "
      "end) number_3=2500 (position) byte_1=1 word_1=1 word_2=1 word_3=2 word_4=1 word_5=1 "
      "number_4=29100 (time 08:05:00)\n"
      "item 80  caption         \"(Galleria )(PICCOLA)( 200 m. )\"\n"
      "item 84  general         number_2=3000 (route length)\n"
      "item 85  scenario        \"Prova\" word_1=610 (stamp) number_4=33183 (codice_gara_st)\n"
      "item 86  train           \"R1\" word_3=8 (clock hours)\n");

  r = run(SCENGEN_EXE, "dump Prova_linea.dat --every 5000", tmp.path());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find("   metre")),
            "Prova_linea.dat: line plan, metres 0 to 10000 (route length 3000), 199964 bytes\n"
            "values per coordinate: 10001, 4 integers, 19994 doubles, 4 empty\n"
            "extent: coordinate_0 0.000 to 2763.417, coordinate_1 0.000 to 9584.023\n");
}

TEST(CompileCommand, DiagnosticsOnStderrOrAsJsonLines) {
  TempDir tmp;
  write_file(tmp / "Prova_linea.txt", crlf(kTinyLine));
  // Line 6: a station off the 50 m grid.
  write_file(tmp / "Prova_R1-.txt",
             train_with("stazione, 2525, 2, 600, 1, 0, 0, 1,1,0, 2,1,1, 0, 8,5,0, BETA"));

  Result r = run(SCENGEN_EXE, "compile Prova_linea.txt Prova_R1-.txt", tmp.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "Prova_R1-.txt:6: errore 8: posizione della stazione non multipla di 50, a 2525 m\n");

  // With --json the same on stdout, and stderr stays empty. The files are
  // written all the same.
  r = run(SCENGEN_EXE, "compile --json Prova_linea.txt Prova_R1-.txt --out o", tmp.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
  const std::vector<json> lines = json_lines(r.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], json::parse(R"({"code":8,"position":2525,"file":"Prova_R1-.txt","line":6,
      "message":"posizione della stazione non multipla di 50"})"));
  EXPECT_EQ(lines[1],
            json::parse(R"({"error_code":8,"error_position":2525,"fatal":null,"files_written":[
      "o/Prova_linea.dat","o/Prova_R1.sim","o/Prova_R1.dat"]})"));
}

TEST(CompileCommand, AFatalCheckStillStopsWithItsOwnMessage) {
  TempDir tmp;
  write_file(tmp / "Prova_linea.txt", crlf(kTinyLine));
  // A slowdown at metre 0 takes cell 1, which the final step stamps: 1250.
  write_file(tmp / "Prova_R1-.txt", train_with("rallentamento, 0, 30, 500, 0, 0, 0"));
  for (const bool as_json : {false, true}) {
    SCOPED_TRACE(as_json);
    Result r = run(
        SCENGEN_EXE,
        std::string("compile Prova_linea.txt Prova_R1-.txt --out o") + (as_json ? " --json" : ""),
        tmp.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, " Errore n. 1250\n");
    if (as_json) {
      const std::vector<json> lines = json_lines(r.out);
      ASSERT_EQ(lines.size(), 1u);
      EXPECT_EQ(
          lines[0],
          json::parse(R"({"error_code":0,"error_position":0,"fatal":1250,"files_written":[]})"));
    } else {
      EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(tmp / "o/Prova_R1.dat"));
  }
}

TEST(CompileCommand, WithoutThePlanAnEarlierPlanFileStays) {
  TempDir tmp;
  write_file(tmp / "Prova_linea.txt", crlf(kTinyLine));
  write_file(tmp / "Prova_R1-.txt", crlf(kTinyTrain));
  write_file(tmp / "Prova_linea.dat", "earlier");
  Result r = run(SCENGEN_EXE, "compile --no-plan --json Prova_linea.txt Prova_R1-.txt", tmp.path());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      r.out,
      "{\"error_code\":0,\"error_position\":0,\"fatal\":null,\"files_written\":[\"./Prova_R1.sim\","
      "\"./Prova_R1.dat\"]}\n");
  EXPECT_EQ(read_file(tmp / "Prova_linea.dat"), "earlier");
  // The cells and items are those of a compile with the plan.
  const std::string cells = read_file(tmp / "Prova_R1.dat");
  const std::string items = read_file(tmp / "Prova_R1.sim");
  EXPECT_EQ(run(SCENGEN_EXE, "compile Prova_linea.txt Prova_R1-.txt", tmp.path()).status, 0);
  EXPECT_EQ(read_file(tmp / "Prova_R1.dat"), cells);
  EXPECT_EQ(read_file(tmp / "Prova_R1.sim"), items);
  EXPECT_EQ(std::filesystem::file_size(tmp / "Prova_linea.dat"), 199964u);
}

TEST(CompileCommand, NamesFromTheOptionsOrTheFileNames) {
  TempDir tmp;
  for (const char* name : {"Prova_linea.txt", "line.txt", "Altra_linea.txt"}) {
    write_file(tmp / name, crlf(kTinyLine));
  }
  for (const char* name : {"Prova_R1-.txt", "train.txt", "Prova_R 2-.txt"}) {
    write_file(tmp / name, crlf(kTinyTrain));
  }
  const struct {
    std::string args;
    std::string cell_file;  // empty: a usage error
    std::string err;
  } cases[] = {
      {"Prova_linea.txt Prova_R1-.txt", "Prova_R1.dat", ""},
      {"Prova_linea.txt 'Prova_R 2-.txt'", "Prova_R 2.dat", ""},
      {"line.txt train.txt --scenario S --train T", "S_T.dat", ""},
      {"Altra_linea.txt Prova_R1-.txt --scenario Prova", "Prova_R1.dat", ""},
      {"Prova_linea.txt train.txt --train T", "Prova_T.dat", ""},
      {"line.txt Prova_R1-.txt", "",
       "scengen: missing --scenario: the line text 'line.txt' is not named NAME_linea.txt (see "
       "scengen --help)\n"},
      {"Altra_linea.txt Prova_R1-.txt", "",
       "scengen: missing --train: the train text 'Prova_R1-.txt' is not named Altra_CODE-.txt "
       "(see scengen --help)\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    TempDir out;
    Result r = run(SCENGEN_EXE, "compile --out " + quoted(out.path()) + " " + c.args, tmp.path());
    EXPECT_EQ(r.err, c.err);
    if (c.cell_file.empty()) {
      EXPECT_EQ(r.status, 2);
      EXPECT_TRUE(list_dir(out.path()).empty());
    } else {
      EXPECT_EQ(r.status, 0);
      EXPECT_TRUE(std::filesystem::exists(out / c.cell_file));
    }
  }
}

// Inputs that are not texts stop the compile before anything is written,
// naming the file and the reason; none of them may crash or hang.
TEST(CompileCommand, InputsThatAreNotTextsStopIt) {
  TempDir tmp;
  write_file(tmp / "Prova_linea.txt", crlf(kTinyLine));
  write_file(tmp / "Prova_R1-.txt", crlf(kTinyTrain));
  std::filesystem::create_directory(tmp / "Folder_linea.txt");
  ASSERT_EQ(::mkfifo((tmp / "Fifo_linea.txt").c_str(), 0600), 0);
  write_file(tmp / "Nul_linea.txt", crlf(kTinyLine) + std::string("\0x", 2));
  // 100 MB, sparse: no time spent writing it.
  write_file(tmp / "Huge_linea.txt", "");
  std::filesystem::resize_file(tmp / "Huge_linea.txt", 100 * 1000 * 1000);
  // Bytes 1 to 255 over and over: no NUL, no [generale].
  std::string binary;
  for (int i = 0; i < 4000; ++i) binary += static_cast<char>(1 + i % 255);
  write_file(tmp / "Binary_linea.txt", binary);
  write_file(tmp / "Noread_linea.txt", "x");
  ::chmod((tmp / "Noread_linea.txt").c_str(), 0);
  const bool root = ::geteuid() == 0;  // root reads a file whatever its mode

  const struct {
    std::string line_text;
    int status;
    std::string err;
  } cases[] = {
      {"Missing_linea.txt", 2,
       "scengen: cannot read Missing_linea.txt: No such file or directory\n"},
      {"Folder_linea.txt", 2, "scengen: cannot read Folder_linea.txt: Is a directory\n"},
      {"Fifo_linea.txt", 2, "scengen: cannot read Fifo_linea.txt: not a regular file\n"},
      {"Nul_linea.txt", 2,
       "scengen: Nul_linea.txt: not a text: NUL byte at byte " +
           std::to_string(crlf(kTinyLine).size()) + "\n"},
      {"Huge_linea.txt", 2,
       "scengen: Huge_linea.txt: too large for a source text: 100000000 bytes, at most "
       "16777216\n"},
      {"Binary_linea.txt", 2,
       "Binary_linea.txt: errore 102: fine del testo della linea prima di \"[generale]\"\n"
       "scengen: the line has no cells to compile: no data file written\n"},
      {"Noread_linea.txt", 2, "scengen: cannot read Noread_linea.txt: Permission denied\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line_text);
    if (root && c.line_text == "Noread_linea.txt") continue;
    const std::string name = c.line_text.substr(0, c.line_text.find('_'));
    std::filesystem::copy_file(tmp / "Prova_R1-.txt", tmp / (name + "_R1-.txt"),
                               std::filesystem::copy_options::overwrite_existing);
    TempDir out;
    Result r =
        run(SCENGEN_EXE,
            "compile --out " + quoted(out.path()) + " " + c.line_text + " " + name + "_R1-.txt",
            tmp.path());
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, c.err);
    EXPECT_TRUE(list_dir(out.path()).empty());
  }
  // The train text is checked the same way.
  Result r = run(SCENGEN_EXE, "compile Prova_linea.txt Fifo_linea.txt --train T", tmp.path());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "scengen: cannot read Fifo_linea.txt: not a regular file\n");
  EXPECT_EQ(std::filesystem::file_size(tmp / "Huge_linea.txt"), 100u * 1000 * 1000);
}

TEST(CompileCommand, NeverWritesOverAnInput) {
  TempDir tmp;
  write_file(tmp / "Prova_linea.txt", crlf(kTinyLine));
  // A train text that happens to have the cell file's name.
  write_file(tmp / "Prova_R1.dat", crlf(kTinyTrain));
  Result r = run(SCENGEN_EXE, "compile Prova_linea.txt Prova_R1.dat --train R1", tmp.path());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "scengen: the output ./Prova_R1.dat would replace the input Prova_R1.dat\n");
  EXPECT_EQ(read_file(tmp / "Prova_R1.dat"), crlf(kTinyTrain));
  EXPECT_EQ(list_dir(tmp.path()), (std::vector<std::string>{"Prova_R1.dat", "Prova_linea.txt"}));

  // Nor one output over another: the cell file of train "linea" would be
  // named as the line plan.
  write_file(tmp / "Prova_linea-.txt", crlf(kTinyTrain));
  r = run(SCENGEN_EXE, "compile Prova_linea.txt Prova_linea-.txt", tmp.path());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "scengen: the train code 'linea' would give the cell file the line plan's name "
            "./Prova_linea.dat: choose another with --train\n");
  EXPECT_EQ(list_dir(tmp.path()),
            (std::vector<std::string>{"Prova_R1.dat", "Prova_linea-.txt", "Prova_linea.txt"}));
}

// The README's example for authors: its two texts, copied from the README as
// an author would, compile with no diagnostics, and the mistake it shows
// gives the diagnostic it shows.
TEST(CompileCommand, TheReadmeExampleCompilesAsTheReadmeSays) {
  const std::string readme = read_file(std::filesystem::path(SCENGEN_SOURCE_DIR) / "README.md");
  const size_t example = readme.find("\n### Example\n");
  ASSERT_NE(example, std::string::npos);
  // Each text: its name in backquotes on a line of its own, then a fenced block.
  auto block_after = [&](const std::string& name) {
    const size_t at = readme.find("\n`" + name + "`\n\n```\n", example);
    EXPECT_NE(at, std::string::npos) << name;
    if (at == std::string::npos) return std::string();
    const size_t start = at + name.size() + 9;  // "\n`" name "`\n\n```\n"
    return readme.substr(start, readme.find("```\n", start) - start);
  };
  TempDir tmp;
  const std::string train = block_after("Esempio_R1-.txt");
  write_file(tmp / "Esempio_linea.txt", block_after("Esempio_linea.txt"));
  write_file(tmp / "Esempio_R1-.txt", train);
  Result r = run(SCENGEN_EXE, "compile Esempio_linea.txt Esempio_R1-.txt", tmp.path());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(list_dir(tmp.path()),
            (std::vector<std::string>{"Esempio_R1-.txt", "Esempio_R1.dat", "Esempio_R1.sim",
                                      "Esempio_linea.dat", "Esempio_linea.txt"}));

  std::string moved = train;
  const size_t station = moved.find("5850");
  ASSERT_NE(station, std::string::npos);
  moved.replace(station, 4, "5860");
  write_file(tmp / "Esempio_R1-.txt", moved);
  r = run(SCENGEN_EXE, "compile Esempio_linea.txt Esempio_R1-.txt", tmp.path());
  EXPECT_EQ(r.status, 1);
  ASSERT_FALSE(r.err.empty());
  EXPECT_NE(readme.find("\n" + r.err, example), std::string::npos) << r.err;
}

}  // namespace
}  // namespace scengen
