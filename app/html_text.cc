#include "app/html_text.h"

#include <cmath>
#include <cstdio>

#include "app/utf8.h"

namespace scengen {
namespace {

// One character of `bytes` at i, escaped, into *out; returns its length.
size_t append_character(std::string_view bytes, size_t i, std::string* out) {
  const unsigned char b = static_cast<unsigned char>(bytes[i]);
  switch (b) {
    case '&':
      *out += "&amp;";
      return 1;
    case '<':
      *out += "&lt;";
      return 1;
    case '>':
      *out += "&gt;";
      return 1;
    case '"':
      *out += "&quot;";
      return 1;
    case '\'':
      *out += "&#39;";
      return 1;
    default:
      break;
  }
  if (b < 0x20 || b == 0x7F) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", b);
    *out += hex;
    return 1;
  }
  if (const size_t n = utf8_length(bytes, i); n > 0) {
    out->append(bytes.substr(i, n));
    return n;
  }
  if (b < 0xA0) {  // a C1 control, taken as Latin-1
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", b);
    *out += hex;
  } else {
    append_latin1(out, b);
  }
  return 1;
}

}  // namespace

std::string html_text(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) i += append_character(bytes, i, &out);
  return out;
}

std::string html_label(std::string_view bytes, size_t max_chars) {
  std::string out;
  size_t chars = 0;
  bool blank = false;
  for (size_t i = 0; i < bytes.size();) {
    if (bytes[i] == ' ' || bytes[i] == '\t') {
      blank = true;
      ++i;
      continue;
    }
    if (blank && !out.empty()) {
      if (++chars > max_chars) return out + "…";
      out += ' ';
    }
    blank = false;
    if (++chars > max_chars) return out + "…";
    i += append_character(bytes, i, &out);
  }
  return out;
}

std::string svg_number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return std::string(text) == "-0.0" ? "0.0" : text;
}

std::string km_text(int64_t metres) {
  char text[32];
  const int64_t m = metres < 0 ? -metres : metres;
  std::snprintf(text, sizeof text, "%s%lld.%03lld", metres < 0 ? "-" : "",
                static_cast<long long>(m / 1000), static_cast<long long>(m % 1000));
  return text;
}

std::string clock_text(int64_t seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

}  // namespace scengen
