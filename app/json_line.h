#pragma once

// One JSON object on one line, for other programs to read (--json). Texts
// from the model and from file names are bytes in the system's single-byte
// character set; each byte that is not part of valid UTF-8 is written as the
// character of the same number (Latin-1), so every line is valid JSON.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scengen {

class JsonLine {
 public:
  JsonLine& number(std::string_view key, int64_t value);
  JsonLine& number(std::string_view key, std::optional<int64_t> value);  // null when unset
  // The shortest decimal that reads back as the same double; null for a
  // NaN or an infinity, which JSON cannot hold.
  JsonLine& real(std::string_view key, double value);
  JsonLine& null(std::string_view key);
  JsonLine& text(std::string_view key, std::string_view value);
  JsonLine& texts(std::string_view key, const std::vector<std::string>& values);

  // The object and a line feed.
  std::string line() const { return body_ + "}\n"; }

 private:
  void key(std::string_view k);
  std::string body_ = "{";
};

// `bytes` as a JSON string, quotes included.
std::string json_string(std::string_view bytes);

}  // namespace scengen
