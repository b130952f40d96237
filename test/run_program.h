#pragma once

#include <filesystem>
#include <string>

namespace scengen::testing {

struct Result {
  int status = -1;  // the exit status; -1 when the program did not exit (a crash)
  std::string out;
  std::string err;
};

// Runs `exe args` through the shell with `cwd` as working folder; stdout and
// stderr are files, so the program must print no status line. `args` is
// shell text: quote paths.
Result run(const std::filesystem::path& exe, const std::string& args,
           const std::filesystem::path& cwd);

// `path` quoted for the shell.
std::string quoted(const std::filesystem::path& path);

}  // namespace scengen::testing
