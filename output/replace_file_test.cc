#include "output/replace_file.h"

#include <gtest/gtest.h>

#include "test/temp_dir.h"

namespace scengen {
namespace {

using testing::list_dir;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

TEST(ReplaceFile, CreatesTheFileWithExactlyTheBytes) {
  TempDir dir;
  std::string err;
  const std::string bytes("a\0b\r\n", 5);
  ASSERT_TRUE(replace_file(dir / "out.dat", bytes, &err)) << err;
  EXPECT_EQ(read_file(dir / "out.dat"), bytes);
  EXPECT_EQ(list_dir(dir.path()), std::vector<std::string>{"out.dat"});  // no temporary left
}

TEST(ReplaceFile, ReplacesALongerFileWhole) {
  TempDir dir;
  write_file(dir / "out.dat", std::string(5000, 'x'));
  std::string err;
  ASSERT_TRUE(replace_file(dir / "out.dat", "new", &err)) << err;
  EXPECT_EQ(read_file(dir / "out.dat"), "new");
  EXPECT_EQ(list_dir(dir.path()), std::vector<std::string>{"out.dat"});
}

TEST(ReplaceFile, EmptyContentGivesAnEmptyFile) {
  TempDir dir;
  write_file(dir / "out.dat", "old");
  std::string err;
  ASSERT_TRUE(replace_file(dir / "out.dat", "", &err)) << err;
  EXPECT_TRUE(std::filesystem::exists(dir / "out.dat"));
  EXPECT_EQ(std::filesystem::file_size(dir / "out.dat"), 0u);
}

TEST(ReplaceFile, FolderThatIsAFileFailsWithTheReason) {
  TempDir dir;
  write_file(dir / "plain", "not a folder");
  std::string err;
  EXPECT_FALSE(replace_file(dir / "plain" / "out.dat", "data", &err));
  EXPECT_EQ(err, "cannot write " + (dir / "plain" / "out.dat").string() + ": Not a directory");
  EXPECT_EQ(read_file(dir / "plain"), "not a folder");
}

TEST(ReplaceFile, TargetThatIsAFolderIsLeftAndNoTemporaryRemains) {
  TempDir dir;
  std::filesystem::create_directory(dir / "out.dat");
  write_file(dir / "out.dat" / "inside", "kept");
  std::string err;
  EXPECT_FALSE(replace_file(dir / "out.dat", "data", &err));
  EXPECT_EQ(err.rfind("cannot write " + (dir / "out.dat").string() + ": ", 0), 0u) << err;
  EXPECT_EQ(read_file(dir / "out.dat" / "inside"), "kept");
  EXPECT_EQ(list_dir(dir.path()), std::vector<std::string>{"out.dat"});
}

TEST(ReplaceFile, StreamedBytesArriveWholeAcrossBlocks) {
  TempDir dir;
  std::string expected;
  for (int i = 0; i < 700000; ++i) expected += static_cast<char>(i % 251);  // not a block multiple
  std::string err;
  ASSERT_TRUE(replace_file(
      dir / "out.dat",
      [&](ByteWriter& out, std::string*) {
        for (char c : expected) out.u8(static_cast<uint8_t>(c));
        out.bytes(expected);
        return true;
      },
      &err))
      << err;
  EXPECT_EQ(read_file(dir / "out.dat"), expected + expected);
}

TEST(ReplaceFile, AProducerThatFailsLeavesTheOldFile) {
  TempDir dir;
  write_file(dir / "out.dat", "good old data");
  std::string err;
  EXPECT_FALSE(replace_file(
      dir / "out.dat",
      [](ByteWriter& out, std::string* why) {
        out.bytes(std::string(3 << 20, 'x'));  // some blocks already on disk
        *why = "the model cannot be written";
        return false;
      },
      &err));
  EXPECT_EQ(err, "cannot write " + (dir / "out.dat").string() + ": the model cannot be written");
  EXPECT_EQ(read_file(dir / "out.dat"), "good old data");
  EXPECT_EQ(list_dir(dir.path()), std::vector<std::string>{"out.dat"});
}

TEST(ReplaceFile, UnwritableFolderLeavesTheOldFileInPlace) {
  TempDir dir;
  write_file(dir / "out.dat", "good old data");
  std::filesystem::permissions(
      dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  std::string err;
  bool ok = replace_file(dir / "out.dat", "new", &err);
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
  if (ok) GTEST_SKIP() << "running with rights that ignore folder permissions";
  EXPECT_EQ(err, "cannot write " + (dir / "out.dat").string() + ": Permission denied");
  EXPECT_EQ(read_file(dir / "out.dat"), "good old data");
  EXPECT_EQ(list_dir(dir.path()), std::vector<std::string>{"out.dat"});
}

}  // namespace
}  // namespace scengen
