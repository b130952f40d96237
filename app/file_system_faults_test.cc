// What the file system can do to a run: an output folder that is missing,
// is a file or cannot be written, a disk that fills up, a read-only mount,
// an input that is a folder or has vanished. Each fault stops the program
// with exit status 2 and one line naming the file and the system's reason;
// the files of an earlier good run stay as they were, byte for byte, and
// no temporary file is left behind. The tests run as root, so permission
// bits stop nothing: the faults come from /proc (where no one creates a
// file), a file size limit (a full disk, for the program) and a read-only
// bind mount in a mount namespace of the test's own.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "test/run_program.h"
#include "test/temp_dir.h"

namespace scengen {
namespace {

using testing::read_file;
using testing::Result;
using testing::run;
using testing::TempDir;
using testing::write_file;

const std::string kExe = SCENGEN_EXE;

// `text` quoted for the shell.
std::string sh(const std::string& text) { return testing::quoted(std::filesystem::path(text)); }

std::map<std::string, std::string> snapshot(const std::filesystem::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file()) {
      files[std::filesystem::relative(entry.path(), dir).string()] = read_file(entry.path());
    }
  }
  return files;
}

// The program under a shell that first runs `before`: a file size limit
// (with SIGXFSZ ignored, so a write past it fails with EFBIG, as on a full
// disk), or a read-only bind mount of `dir` in a private mount namespace.
std::string limited(const std::string& args, int kilobytes) {
  return "sh -c " + sh("trap '' XFSZ; ulimit -f " + std::to_string(kilobytes * 2) + "; exec " +
                       sh(kExe) + " " + args);
}
std::string read_only(const std::string& dir, const std::string& args) {
  return "unshare -m sh -c " +
         sh("mount --bind " + dir + " " + dir + " && mount -o remount,ro,bind " + dir + " " + dir +
            " && exec " + sh(kExe) + " " + args);
}

bool read_only_mounts_work(const std::filesystem::path& cwd) {
  std::filesystem::create_directories(cwd / "probe");
  const Result r = run("unshare",
                       "-m sh -c 'mount --bind probe probe && mount -o "
                       "remount,ro,bind probe probe && ! touch probe/x' 2>/dev/null",
                       cwd);
  return r.status == 0;
}

struct Case {
  std::string what;
  std::string command;  // a shell command run in the test's folder
  std::string folder;   // a fresh copy of good before the command; empty: none
  std::string error;
};

// A folder with an earlier good run and its report in good/, the carried
// texts as an author's in src/, and a plain file.
class FileSystemFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(run(kExe, "--out good", tmp_.path()).status, 0);
    ASSERT_EQ(run(kExe, "report good", tmp_.path()).status, 0);
    ASSERT_EQ(run(kExe, "texts --out src", tmp_.path()).status, 0);
    write_file(tmp_ / "plain", "a file, not a folder");
    good_ = snapshot(tmp_ / "good");
  }

  // Each case stops with exit status 2 and its one line; its folder ends as
  // good/ was; and nothing is left half-written anywhere.
  void check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      if (!c.folder.empty()) {
        std::filesystem::remove_all(tmp_ / c.folder);
        std::filesystem::copy(tmp_ / "good", tmp_ / c.folder,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::copy_symlinks);
      }
      const Result r = run("sh", "-c " + sh(c.command), tmp_.path());
      EXPECT_EQ(r.status, 2);
      EXPECT_EQ(r.out, "");
      EXPECT_EQ(r.err, "scengen: " + c.error + "\n");
      if (!c.folder.empty()) {
        EXPECT_EQ(snapshot(tmp_ / c.folder), good_);
      }
    }
    for (const auto& [name, bytes] : snapshot(tmp_.path())) {
      EXPECT_FALSE(name.ends_with(".tmp")) << name;
    }
    EXPECT_EQ(snapshot(tmp_ / "good"), good_);
    EXPECT_EQ(read_file(tmp_ / "plain"), "a file, not a folder");
  }

  TempDir tmp_;
  std::map<std::string, std::string> good_;
  const std::string texts_ = "src/Tolvo_Sarmaleonte_linea.txt src/Tolvo_Sarmaleonte_R31474-.txt";
};

TEST_F(FileSystemFaults, EachStopsCleanlyAndLeavesTheEarlierFiles) {
  std::filesystem::create_directory(tmp_ / "src/folder_linea.txt");
  std::filesystem::create_symlink("gone", tmp_ / "src/vanished_linea.txt");
  std::filesystem::create_symlink("gone", tmp_ / "vanished.dat");
  const std::string exe = sh(kExe);
  check({
      {"run into a file", exe + " --out plain", "", "cannot create folder plain: Not a directory"},
      {"run into a folder under a file", exe + " --out plain/sub", "",
       "cannot create folder plain/sub: Not a directory"},
      {"run into a folder no one may write", exe + " --out /proc/self", "",
       "cannot write /proc/self/Tolvo_Sarmaleonte_linea.txt: No such file or directory"},
      {"compile into a folder no one may write", exe + " compile " + texts_ + " --out /proc/self",
       "", "cannot write /proc/self/Tolvo_Sarmaleonte_linea.dat: No such file or directory"},
      {"report into a folder no one may write", exe + " report good -o /proc/self/r.html", "",
       "cannot write /proc/self/r.html: No such file or directory"},
      {"run onto a full disk", limited("--out full", 512), "full",
       "cannot write full/Tolvo_Sarmaleonte_linea.dat: File too large"},
      {"compile onto a full disk", limited("compile " + texts_ + " --out full", 512), "full",
       "cannot write full/Tolvo_Sarmaleonte_linea.dat: File too large"},
      {"report onto a full disk", limited("report full", 64), "full",
       "cannot write full/Tolvo_Sarmaleonte_R31474.html: File too large"},
      {"a line text that is a folder",
       exe + " compile src/folder_linea.txt src/Tolvo_Sarmaleonte_R31474-.txt --train R1", "",
       "cannot read src/folder_linea.txt: Is a directory"},
      {"a line text that has vanished",
       exe + " compile src/vanished_linea.txt src/Tolvo_Sarmaleonte_R31474-.txt --train R1", "",
       "cannot read src/vanished_linea.txt: No such file or directory"},
      {"a cell file that has vanished", exe + " dump vanished.dat", "",
       "cannot read vanished.dat: No such file or directory"},
  });
}

TEST_F(FileSystemFaults, ReadOnlyMount) {
  if (!read_only_mounts_work(tmp_.path())) {
    GTEST_SKIP() << "no read-only bind mount here: unshare -m and mount need CAP_SYS_ADMIN";
  }
  check({
      {"run", read_only("full", "--out full"), "full",
       "cannot write full/Tolvo_Sarmaleonte_linea.txt: Read-only file system"},
      {"compile", read_only("full", "compile " + texts_ + " --out full"), "full",
       "cannot write full/Tolvo_Sarmaleonte_linea.dat: Read-only file system"},
      {"report", read_only("full", "report full"), "full",
       "cannot write full/Tolvo_Sarmaleonte_R31474.html: Read-only file system"},
  });
}

}  // namespace
}  // namespace scengen
