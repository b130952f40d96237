#pragma once

// Reading a file the user names on the command line. Whatever the name turns
// out to be, the read ends soon and with a clear answer: a folder, a FIFO or
// a device is refused before any byte is read (a FIFO would wait for a
// writer forever), and a file larger than the caller's limit is refused
// without reading it whole.

#include <cstdint>
#include <filesystem>
#include <string>

namespace scengen {

enum class InputRead {
  kOk,
  kFailed,    // *err: the system's reason, or "not a regular file"
  kTooLarge,  // *size: the file's size in bytes (at least max_bytes + 1)
};

InputRead read_input_file(const std::filesystem::path& path, uint64_t max_bytes,
                          std::string* contents, uint64_t* size, std::string* err);

// The largest source text `compile` accepts: many times the longest line the
// compiler can hold, small enough to read and parse in well under a second.
inline constexpr uint64_t kMaxSourceText = 16 * 1024 * 1024;

// Reads an author's line or train text. On failure *err is one line naming
// the file: "cannot read PATH: No such file or directory", "PATH: not a
// text: NUL byte at byte 12", "PATH: too large for a source text ...".
bool read_source_text(const std::filesystem::path& path, std::string* contents, std::string* err);

}  // namespace scengen
