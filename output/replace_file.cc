#include "output/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

namespace scengen {
namespace {

std::string describe(const std::filesystem::path& target, const std::string& reason) {
  return "cannot write " + target.string() + ": " + reason;
}

// ".Name.dat.1a2b3c4d.tmp" in the target's folder; hidden, and never the
// name of a file this program writes.
std::filesystem::path temporary_name(const std::filesystem::path& target, unsigned attempt) {
  static std::mt19937 generator{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%08x%u.tmp", static_cast<unsigned>(generator()), attempt);
  return target.parent_path() / ("." + target.filename().string() + suffix);
}

}  // namespace

bool replace_file(const std::filesystem::path& target, const ProduceBytes& produce,
                  std::string* err) {
  if (target.filename().empty()) {
    *err = describe(target, "not a file name");
    return false;
  }
  std::filesystem::path temp;
  std::FILE* file = nullptr;
  // "x": fail rather than reuse a name that happens to exist already.
  for (unsigned attempt = 0; file == nullptr && attempt < 16; ++attempt) {
    temp = temporary_name(target, attempt);
    errno = 0;
    file = std::fopen(temp.c_str(), "wbx");
    if (file == nullptr && errno != EEXIST) break;
  }
  if (file == nullptr) {
    *err = describe(target, errno != 0 ? std::strerror(errno) : "cannot create a temporary file");
    return false;
  }

  // The writer hands over whole blocks: one fwrite each, no stdio buffer.
  std::setvbuf(file, nullptr, _IONBF, 0);
  int write_errno = 0;
  ByteWriter out([&](std::string_view block) {
    if (write_errno != 0) return;
    errno = 0;
    if (std::fwrite(block.data(), 1, block.size(), file) != block.size()) {
      write_errno = errno != 0 ? errno : EIO;
    }
  });
  std::string reason;
  if (!produce(out, &reason)) {
    if (reason.empty()) reason = "no bytes to write";
  } else {
    out.finish();
    if (write_errno != 0) reason = std::strerror(write_errno);
  }
  if (std::fclose(file) != 0 && reason.empty()) reason = std::strerror(errno != 0 ? errno : EIO);
  if (reason.empty()) {
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (!ec) return true;
    reason = ec.message();
  }
  std::error_code ignored;
  std::filesystem::remove(temp, ignored);
  *err = describe(target, reason);
  return false;
}

bool replace_file(const std::filesystem::path& target, std::string_view bytes, std::string* err) {
  return replace_file(
      target,
      [bytes](ByteWriter& out, std::string*) {
        out.bytes(bytes);
        return true;
      },
      err);
}

}  // namespace scengen
