#pragma once

// Packed little-endian input: reads back what ByteWriter wrote. Every read
// is checked by the caller first with has(n), so a short file is reported
// at the byte where it ends rather than read past.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace scengen {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  size_t offset() const { return at_; }
  size_t left() const { return bytes_.size() - at_; }
  bool has(size_t n) const { return n <= left(); }

  uint8_t u8() { return static_cast<uint8_t>(take(1)); }
  uint16_t u16() { return static_cast<uint16_t>(take(2)); }
  int16_t i16() { return static_cast<int16_t>(static_cast<uint16_t>(take(2))); }
  int32_t i32() { return static_cast<int32_t>(static_cast<uint32_t>(take(4))); }
  double f64() { return std::bit_cast<double>(take(8)); }
  std::string_view bytes(size_t n) {
    const std::string_view b = bytes_.substr(at_, n);
    at_ += b.size();
    return b;
  }

 private:
  // The next n bytes (n ≤ 8) as an unsigned number, least significant first.
  uint64_t take(int n) {
    uint64_t v = 0;
    for (int k = 0; k < n && at_ < bytes_.size(); ++k, ++at_) {
      v |= uint64_t{static_cast<unsigned char>(bytes_[at_])} << (8 * k);
    }
    return v;
  }

  std::string_view bytes_;
  size_t at_ = 0;
};

}  // namespace scengen
