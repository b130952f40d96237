#include "test/run_program.h"

#include <sys/wait.h>

#include <cstdlib>

#include "test/temp_dir.h"

namespace scengen::testing {

std::string quoted(const std::filesystem::path& path) {
  std::string q = "'";
  for (const char c : path.string()) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

Result run(const std::filesystem::path& exe, const std::string& args,
           const std::filesystem::path& cwd) {
  TempDir capture;
  const std::string command = "cd " + quoted(cwd) + " && " + quoted(exe) + " " + args + " >" +
                              quoted(capture / "out") + " 2>" + quoted(capture / "err");
  const int raw = std::system(command.c_str());
  Result r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = read_file(capture / "out");
  r.err = read_file(capture / "err");
  return r;
}

}  // namespace scengen::testing
