#include "app/utf8.h"

namespace scengen {

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

void append_latin1(std::string* out, unsigned char byte) {
  if (byte < 0x80) {
    out->push_back(static_cast<char>(byte));
  } else {
    out->push_back(static_cast<char>(0xC0 | (byte >> 6)));
    out->push_back(static_cast<char>(0x80 | (byte & 0x3F)));
  }
}

}  // namespace scengen
