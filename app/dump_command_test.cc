#include "app/dump_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "test/run_program.h"
#include "test/temp_dir.h"

namespace scengen {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

// What dump says of files that are not what their names say, or cannot be
// read: one message naming the file, nothing on stdout.
TEST(DumpCommand, FilesItCannotDecode) {
  TempDir tmp;
  auto sparse = [&](const std::string& name, uintmax_t size) {
    write_file(tmp / name, "");
    std::filesystem::resize_file(tmp / name, size);
  };
  sparse("big.dat", 302116);
  sparse("big.sim", 5704504);
  sparse("big_linea.dat", 20140021);
  write_file(tmp / "short.dat", std::string(2116, '\0'));
  write_file(tmp / "notes.sim", "Tolvo - Sarmaleonte\r\n");
  write_file(tmp / "text_linea.dat", "Tolvo - Sarmaleonte\r\n");
  std::filesystem::create_directory(tmp / "folder.dat");
  ASSERT_EQ(::mkfifo((tmp / "fifo.sim").c_str(), 0600), 0);  // reading must not wait for a writer
  const struct {
    std::vector<std::string> options;
    std::string file;
    std::string error;
  } cases[] = {
      {{},
       "notes.txt",
       "cannot tell what notes.txt holds from its name: expected NAME_linea.dat (line plan), "
       "NAME_CODE.sim (item file) or NAME_CODE.dat (cell file)"},
      {{}, "none.dat", "cannot read none.dat: No such file or directory"},
      {{}, "folder.dat", "cannot read folder.dat: Is a directory"},
      {{}, "fifo.sim", "cannot read fifo.sim: not a regular file"},
      {{}, "big.dat", "big.dat: too large for a cell file: 302116 bytes, at most 302115"},
      {{}, "big.sim", "big.sim: too large for an item file: 5704504 bytes, at most 5704503"},
      {{},
       "big_linea.dat",
       "big_linea.dat: too large for a line plan: 20140021 bytes, at most 20140020"},
      {{},
       "short.dat",
       "short.dat: truncated cell file: the cell at byte 2115 has 1 of its 15 bytes"},
      {{},
       "notes.sim",
       "notes.sim: truncated item file: item 0 at byte 0 needs 28517 bytes of text and 18 after "
       "it, only 5 are left"},
      {{},
       "text_linea.dat",
       "text_linea.dat: not a line plan file: the value at byte 0 has tag 28500, expected 0, 2 "
       "or 5"},
      {{"--all"}, "notes.sim", "--all goes with a cell file, and notes.sim is an item file"},
      {{"--every", "5"},
       "short.dat",
       "--every goes with a line plan, and short.dat is a cell file"},
  };
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(tmp.path());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    CommandLine cl;
    std::string err;
    std::vector<std::string> args = {"dump", c.file};
    args.insert(args.end(), c.options.begin(), c.options.end());
    ASSERT_TRUE(parse_command_line(args, &cl, &err)) << err;
    std::ostringstream out;
    EXPECT_FALSE(dump_command(cl, out, &err));
    EXPECT_EQ(err, c.error);
    EXPECT_EQ(out.str(), "");
  }
  std::filesystem::current_path(cwd);
}

TEST(DumpCommand, ExitStatus2AndTheMessageOnStderr) {
  TempDir tmp;
  write_file(tmp / "short.dat", std::string(105, '\0'));
  testing::Result r = testing::run(SCENGEN_EXE, "dump short.dat --json", tmp.path());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "scengen: short.dat: not a cell file: 105 bytes are 7 cells; a line has 141 to "
            "20141\n");
}

}  // namespace
}  // namespace scengen
