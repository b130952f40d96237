#include "app/executable_path.h"

#include <system_error>

namespace scengen {

bool executable_directory(const char* argv0, std::filesystem::path* dir, std::string* err) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && self.is_absolute()) {
    *dir = self.parent_path();
    return true;
  }
  // A bare name was found on PATH, so it says nothing about the folder.
  if (argv0 != nullptr && std::string(argv0).find('/') != std::string::npos) {
    std::filesystem::path p = std::filesystem::absolute(argv0, ec);
    if (!ec) {
      *dir = p.parent_path();
      return true;
    }
  }
  *err = "cannot find the folder that holds the program; use --out DIR";
  return false;
}

}  // namespace scengen
