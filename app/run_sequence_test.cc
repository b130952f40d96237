// The run seen from outside: the real program started in temporary folders.

#include <gtest/gtest.h>

#include "app/file_names.h"
#include "app/text_file.h"
#include "scenario/line_text.h"
#include "scenario/notes.h"
#include "scenario/slowdown_notice.h"
#include "scenario/timetable_card.h"
#include "scenario/train_text.h"
#include "test/run_program.h"
#include "test/temp_dir.h"

namespace scengen {
namespace {

using testing::list_dir;
using testing::read_file;
using testing::Result;
using testing::run;
using testing::TempDir;
using testing::write_file;

std::string crlf(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

const std::vector<std::string> kTextNames = {
    "Tolvo_Sarmaleonte_R31474-.txt",
    "Tolvo_Sarmaleonte_R31474_note.txt",
    "Tolvo_Sarmaleonte_R31474_rallentamenti.txt",
    "Tolvo_Sarmaleonte_R31474_scheda_treno.txt",
    "Tolvo_Sarmaleonte_linea.txt",
};

void expect_the_five_texts(const std::filesystem::path& dir) {
  EXPECT_EQ(read_file(dir / "Tolvo_Sarmaleonte_linea.txt"), crlf(line_text()));
  EXPECT_EQ(read_file(dir / "Tolvo_Sarmaleonte_R31474-.txt"), crlf(train_text()));
  EXPECT_EQ(read_file(dir / "Tolvo_Sarmaleonte_R31474_note.txt"), crlf(notes()));
  EXPECT_EQ(read_file(dir / "Tolvo_Sarmaleonte_R31474_rallentamenti.txt"), crlf(slowdown_notice()));
  EXPECT_EQ(read_file(dir / "Tolvo_Sarmaleonte_R31474_scheda_treno.txt"), crlf(timetable_card()));
}

TEST(FileNames, EveryFileOfARun) {
  OutputFiles f = output_files("out", ScenarioNames{});
  EXPECT_EQ(f.line_text, "out/Tolvo_Sarmaleonte_linea.txt");
  EXPECT_EQ(f.train_text, "out/Tolvo_Sarmaleonte_R31474-.txt");
  EXPECT_EQ(f.notes, "out/Tolvo_Sarmaleonte_R31474_note.txt");
  EXPECT_EQ(f.slowdown_notice, "out/Tolvo_Sarmaleonte_R31474_rallentamenti.txt");
  EXPECT_EQ(f.timetable_card, "out/Tolvo_Sarmaleonte_R31474_scheda_treno.txt");
  EXPECT_EQ(f.line_plan, "out/Tolvo_Sarmaleonte_linea.dat");
  EXPECT_EQ(f.item_table, "out/Tolvo_Sarmaleonte_R31474.sim");
  EXPECT_EQ(f.cell_array, "out/Tolvo_Sarmaleonte_R31474.dat");
}

TEST(Run, TextsIntoAFolderThatDoesNotExistYet) {
  TempDir tmp;
  Result r = run(SCENGEN_EXE, "texts --out '" + (tmp / "new/sub").string() + "'", tmp.path());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(list_dir(tmp / "new/sub"), kTextNames);
  expect_the_five_texts(tmp / "new/sub");
}

// What a complete run leaves: the three texts for the driver and the three
// data files; the line and train texts have been compiled and deleted.
const std::vector<std::string> kRunNames = {
    "Tolvo_Sarmaleonte_R31474.dat",
    "Tolvo_Sarmaleonte_R31474.sim",
    "Tolvo_Sarmaleonte_R31474_note.txt",
    "Tolvo_Sarmaleonte_R31474_rallentamenti.txt",
    "Tolvo_Sarmaleonte_R31474_scheda_treno.txt",
    "Tolvo_Sarmaleonte_linea.dat",
};

void expect_a_complete_run(const std::filesystem::path& dir) {
  EXPECT_EQ(read_file(dir / "Tolvo_Sarmaleonte_R31474_note.txt"), crlf(notes()));
  EXPECT_EQ(read_file(dir / "Tolvo_Sarmaleonte_R31474_rallentamenti.txt"), crlf(slowdown_notice()));
  EXPECT_EQ(read_file(dir / "Tolvo_Sarmaleonte_R31474_scheda_treno.txt"), crlf(timetable_card()));
  EXPECT_EQ(std::filesystem::file_size(dir / "Tolvo_Sarmaleonte_linea.dat"), 2059964u);
  // 87 items of 34 bytes and their texts: 18 station names, 16 captions and
  // the two names.
  EXPECT_EQ(std::filesystem::file_size(dir / "Tolvo_Sarmaleonte_R31474.sim"), 3639u);
  const std::string cells = read_file(dir / "Tolvo_Sarmaleonte_R31474.dat");
  ASSERT_EQ(cells.size(), 30915u);
  // Record 134, the first signal at 6650 m.
  EXPECT_EQ(cells.substr(2010, 15), std::string("\x01\x32\x00\x0A\x00\x00\x00\x03"
                                                "\x00\x00\x00\x00\x10\x71\x64",
                                                15));
  // Record 1: the stamp 5121 and codice_gara_og 2405.
  EXPECT_EQ(cells.substr(16, 4), std::string("\x01\x14\x65\x09", 4));
}

TEST(Run, ReplacesFilesOfAnEarlierRunWhole) {
  TempDir tmp;
  for (const auto& name : kRunNames) write_file(tmp / name, std::string(3000000, 'x'));
  write_file(tmp / "unrelated.txt", "kept");
  Result r = run(SCENGEN_EXE, "--out .", tmp.path());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::vector<std::string> names = kRunNames;
  names.push_back("unrelated.txt");
  EXPECT_EQ(list_dir(tmp.path()), names);
  expect_a_complete_run(tmp.path());
  EXPECT_EQ(read_file(tmp / "unrelated.txt"), "kept");

  // A second run gives the same bytes again; nothing is appended.
  std::vector<std::string> first;
  for (const auto& name : kRunNames) first.push_back(read_file(tmp / name));
  EXPECT_EQ(run(SCENGEN_EXE, "--out .", tmp.path()).status, 0);
  for (size_t i = 0; i < kRunNames.size(); ++i) {
    EXPECT_EQ(read_file(tmp / kRunNames[i]), first[i]) << kRunNames[i];
  }
}

TEST(Run, WithoutArgumentsTheCompleteRunBesideTheProgram) {
  TempDir bin, cwd;
  std::filesystem::copy_file(SCENGEN_EXE, bin / "scengen");
  Result r = run(bin / "scengen", "", cwd.path());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(list_dir(cwd.path()).empty());
  std::vector<std::string> names = kRunNames;
  names.push_back("scengen");  // listed in byte order: capitals first
  EXPECT_EQ(list_dir(bin.path()), names);
  expect_a_complete_run(bin.path());
}

TEST(Run, StopsWithExitStatus2) {
  TempDir tmp;
  write_file(tmp / "plain", "a file, not a folder");
  std::filesystem::create_directory(tmp / "blocked");
  std::filesystem::create_directory(tmp / "blocked" / "Tolvo_Sarmaleonte_R31474_note.txt");
  std::filesystem::create_directories(tmp / "dat_blocked" / "Tolvo_Sarmaleonte_R31474.dat");
  struct Case {
    std::string args;
    std::string err;
  };
  const Case cases[] = {
      {"--bogus", "scengen: unknown option '--bogus' (see scengen --help)\n"},
      {"build", "scengen: unknown subcommand 'build' (see scengen --help)\n"},
      {"texts --out plain/sub", "scengen: cannot create folder plain/sub: Not a directory\n"},
      // The third text cannot replace a folder of its name: the run stops there.
      {"texts --out blocked",
       "scengen: cannot write blocked/Tolvo_Sarmaleonte_R31474_note.txt: Is a directory\n"},
      // The cell file cannot replace a folder: the run stops after the other two.
      {"--out dat_blocked",
       "scengen: cannot write dat_blocked/Tolvo_Sarmaleonte_R31474.dat: Is a directory\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    Result r = run(SCENGEN_EXE, c.args, tmp.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, c.err);
  }
  EXPECT_EQ(read_file(tmp / "plain"), "a file, not a folder");
  EXPECT_EQ(list_dir(tmp / "dat_blocked"),
            (std::vector<std::string>{
                "Tolvo_Sarmaleonte_R31474.dat", "Tolvo_Sarmaleonte_R31474.sim",
                "Tolvo_Sarmaleonte_R31474_note.txt", "Tolvo_Sarmaleonte_R31474_rallentamenti.txt",
                "Tolvo_Sarmaleonte_R31474_scheda_treno.txt", "Tolvo_Sarmaleonte_linea.dat"}));
}

TEST(Run, HelpAndVersionGoToStdout) {
  TempDir tmp;
  Result help = run(SCENGEN_EXE, "--help", tmp.path());
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: scengen", 0), 0u);
  EXPECT_EQ(help.err, "");
  Result version = run(SCENGEN_EXE, "--version", tmp.path());
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("scengen ", 0), 0u);
  EXPECT_TRUE(list_dir(tmp.path()).empty());
}

}  // namespace
}  // namespace scengen
