#include "app/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace scengen {
namespace {

// Closes the descriptor on every way out.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

InputRead read_input_file(const std::filesystem::path& path, uint64_t max_bytes,
                          std::string* contents, uint64_t* size, std::string* err) {
  contents->clear();
  // O_NONBLOCK: opening a FIFO for reading must not wait for a writer.
  Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (file.fd < 0) {
    *err = std::strerror(errno);
    return InputRead::kFailed;
  }
  struct stat st;
  if (::fstat(file.fd, &st) != 0) {
    *err = std::strerror(errno);
    return InputRead::kFailed;
  }
  if (S_ISDIR(st.st_mode)) {
    *err = std::strerror(EISDIR);
    return InputRead::kFailed;
  }
  if (!S_ISREG(st.st_mode)) {
    *err = "not a regular file";
    return InputRead::kFailed;
  }
  if (static_cast<uint64_t>(st.st_size) > max_bytes) {
    *size = static_cast<uint64_t>(st.st_size);
    return InputRead::kTooLarge;
  }
  contents->reserve(static_cast<std::size_t>(st.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      *err = std::strerror(errno);
      return InputRead::kFailed;
    }
    if (n == 0) break;
    contents->append(buffer, static_cast<std::size_t>(n));
    // A file that grows while it is read is held to the same limit.
    if (contents->size() > max_bytes) {
      *size = contents->size();
      contents->clear();
      return InputRead::kTooLarge;
    }
  }
  return InputRead::kOk;
}

bool read_source_text(const std::filesystem::path& path, std::string* contents, std::string* err) {
  uint64_t size = 0;
  std::string reason;
  switch (read_input_file(path, kMaxSourceText, contents, &size, &reason)) {
    case InputRead::kFailed:
      *err = "cannot read " + path.string() + ": " + reason;
      return false;
    case InputRead::kTooLarge:
      *err = path.string() + ": too large for a source text: " + std::to_string(size) +
             " bytes, at most " + std::to_string(kMaxSourceText);
      return false;
    case InputRead::kOk:
      break;
  }
  // A text never holds a NUL byte: this is some other kind of file.
  const std::size_t nul = contents->find('\0');
  if (nul != std::string::npos) {
    *err = path.string() + ": not a text: NUL byte at byte " + std::to_string(nul);
    contents->clear();
    return false;
  }
  return true;
}

}  // namespace scengen
