#include "app/json_line.h"

#include <charconv>
#include <cmath>

#include "app/utf8.h"

namespace scengen {

std::string json_string(std::string_view bytes) {
  static const char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (size_t i = 0; i < bytes.size();) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (b == '"' || b == '\\') {
      out += '\\';
      out += static_cast<char>(b);
      ++i;
    } else if (b < 0x20 || b == 0x7F) {
      out += "\\u00";
      out += kHex[b >> 4];
      out += kHex[b & 0xF];
      ++i;
    } else if (const size_t n = utf8_length(bytes, i); n > 0) {
      out.append(bytes.substr(i, n));
      i += n;
    } else {
      append_latin1(&out, b);
      ++i;
    }
  }
  return out + "\"";
}

void JsonLine::key(std::string_view k) {
  if (body_.size() > 1) body_ += ',';
  body_ += json_string(k);
  body_ += ':';
}

JsonLine& JsonLine::number(std::string_view k, int64_t value) {
  key(k);
  body_ += std::to_string(value);
  return *this;
}

JsonLine& JsonLine::number(std::string_view k, std::optional<int64_t> value) {
  return value ? number(k, *value) : null(k);
}

JsonLine& JsonLine::real(std::string_view k, double value) {
  if (!std::isfinite(value)) return null(k);
  key(k);
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  body_.append(buffer, ec == std::errc() ? end : buffer);
  return *this;
}

JsonLine& JsonLine::null(std::string_view k) {
  key(k);
  body_ += "null";
  return *this;
}

JsonLine& JsonLine::text(std::string_view k, std::string_view value) {
  key(k);
  body_ += json_string(value);
  return *this;
}

JsonLine& JsonLine::texts(std::string_view k, const std::vector<std::string>& values) {
  key(k);
  body_ += '[';
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) body_ += ',';
    body_ += json_string(values[i]);
  }
  body_ += ']';
  return *this;
}

}  // namespace scengen
