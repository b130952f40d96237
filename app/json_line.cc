#include "app/json_line.h"

#include <charconv>
#include <cmath>

namespace scengen {
namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when there is
// none (a stray continuation byte, an overlong form, a surrogate, a cut).
size_t utf8_length(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  size_t n;
  unsigned min;
  unsigned cp;
  if (b < 0x80) return 1;
  if ((b & 0xE0) == 0xC0) {
    n = 2, min = 0x80, cp = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    n = 3, min = 0x800, cp = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    n = 4, min = 0x10000, cp = b & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

void append_code_point(std::string* out, unsigned cp) {
  // Only Latin-1 code points come here: one or two UTF-8 bytes.
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

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
      append_code_point(&out, b);
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
