#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace scengen::testing {

// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The whole file as bytes; empty when it cannot be read.
std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& bytes);

// Names of the entries of a folder, sorted.
std::vector<std::string> list_dir(const std::filesystem::path& dir);

}  // namespace scengen::testing
