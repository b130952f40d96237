#include "compiler/source_texts.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace scengen {

bool FileSourceTexts::exists(SourceKind kind) const {
  std::error_code ec;
  return std::filesystem::exists(path(kind), ec);
}

bool FileSourceTexts::read(SourceKind kind, std::string* contents, std::string* err) const {
  const std::filesystem::path& p = path(kind);
  std::error_code ec;
  if (std::filesystem::is_directory(p, ec)) {
    *err = std::strerror(EISDIR);
    return false;
  }
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(p.c_str(), "rb"), &std::fclose);
  if (!file) {
    *err = std::strerror(errno);
    return false;
  }
  contents->clear();
  char buffer[1 << 16];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) contents->append(buffer, n);
  if (std::ferror(file.get())) {
    *err = std::strerror(errno);
    return false;
  }
  return true;
}

void FileSourceTexts::remove(SourceKind kind) {
  std::error_code ec;
  std::filesystem::remove(path(kind), ec);
}

std::string FileSourceTexts::name(SourceKind kind) const { return path(kind).string(); }

bool MemorySourceTexts::read(SourceKind kind, std::string* contents, std::string* err) const {
  if (!text(kind)) {
    *err = std::strerror(ENOENT);
    return false;
  }
  *contents = *text(kind);
  return true;
}

}  // namespace scengen
