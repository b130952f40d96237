#include "fuzz/fuzz_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "test/temp_dir.h"

namespace scengen::fuzz {
namespace {

using testing::read_file;

std::vector<std::filesystem::path> files_in(const std::string& folder) {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path dir = std::filesystem::path(SCENGEN_SOURCE_DIR) / "fuzz" / folder;
  if (!std::filesystem::exists(dir)) return files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// The compile seeds reach what their names say: code-NNN-… records code
// NNN, fatal-NNNN-… stops at that final check, any other compiles cleanly.
// Together they reach every code the compiler has.
TEST(FuzzCorpus, EachCompileSeedReachesWhatItsNameSays) {
  std::set<int> reached;
  for (const auto& path : files_in("corpus/compile")) {
    const std::string name = path.filename().string();
    SCOPED_TRACE(name);
    CompileRun run;
    EXPECT_EQ(check_compile(read_file(path), &run), "");
    std::set<int> codes;
    for (const Diagnostic& d : run.model.diagnostics) codes.insert(d.code);
    if (name.starts_with("code-")) {
      const int code = std::stoi(name.substr(5, 3));
      EXPECT_TRUE(codes.count(code)) << "codes: " << ::testing::PrintToString(codes);
      reached.insert(code);
    } else if (name.starts_with("fatal-")) {
      EXPECT_EQ(run.result.end, CompileEnd::kFatal);
      EXPECT_EQ(run.result.fatal, name.substr(6, 4));
    } else {
      EXPECT_EQ(run.result.end, CompileEnd::kWritten);
      EXPECT_TRUE(codes.empty()) << ::testing::PrintToString(codes);
    }
  }
  const std::set<int> every_code = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10, 11, 12,
                                    13,  15,  16,  17,  18,  19,  20,  21,  22,  24, 25, 101,
                                    102, 103, 200, 201, 202, 203, 204, 205, 206, 207};
  EXPECT_EQ(reached, every_code);
}

// Every other seed, and every input a fuzzer once broke, keeps all the
// invariants.
TEST(FuzzCorpus, EveryInputKeepsTheInvariants) {
  size_t inputs = 0;
  for (const auto& path : files_in("corpus/item_reader")) {
    SCOPED_TRACE(path.string());
    EXPECT_EQ(check_item_reader(read_file(path)), "");
    ++inputs;
  }
  for (const auto& path : files_in("corpus/dump")) {
    SCOPED_TRACE(path.string());
    EXPECT_EQ(check_dump(read_file(path)), "");
    ++inputs;
  }
  for (const auto& path : files_in("regressions/compile")) {
    SCOPED_TRACE(path.string());
    CompileRun run;
    EXPECT_EQ(check_compile(read_file(path), &run), "");
  }
  for (const auto& path : files_in("regressions/item_reader")) {
    SCOPED_TRACE(path.string());
    EXPECT_EQ(check_item_reader(read_file(path)), "");
  }
  for (const auto& path : files_in("regressions/dump")) {
    SCOPED_TRACE(path.string());
    EXPECT_EQ(check_dump(read_file(path)), "");
  }
  EXPECT_GE(inputs, 10u);
}

}  // namespace
}  // namespace scengen::fuzz
