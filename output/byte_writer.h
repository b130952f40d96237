#pragma once

// Packed little-endian output, gathered into large blocks: the compiled files
// are plain dumps of the model, and the line plan of a 1000 km line is about
// 20 MB, so values are never handed on one by one.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace scengen {

class ByteWriter {
 public:
  // Receives each full block, and the rest at finish().
  using Flush = std::function<void(std::string_view)>;
  static constexpr size_t kBlockSize = size_t{1} << 16;

  explicit ByteWriter(Flush flush, size_t block_size = kBlockSize);
  ByteWriter(const ByteWriter&) = delete;
  ByteWriter& operator=(const ByteWriter&) = delete;

  void u8(uint8_t v) { put(v, 1); }
  void u16(uint16_t v) { put(v, 2); }
  void i16(int16_t v) { put(static_cast<uint16_t>(v), 2); }
  void i32(int32_t v) { put(static_cast<uint32_t>(v), 4); }
  void f64(double v);  // IEEE 754 binary64, bit for bit
  void bytes(std::string_view b);

  // Hands on what is left in the buffer.
  void finish();

  // Bytes written so far, the buffered ones included.
  uint64_t size() const { return flushed_ + used_; }

 private:
  // The n low-order bytes of v, least significant first. The buffer has 8
  // bytes of room past the block, so all 8 may be stored and n counted.
  void put(uint64_t v, int n) {
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(buffer_.data() + used_, &v, sizeof v);
    } else {
      for (int k = 0; k < 8; ++k) buffer_[used_ + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
    }
    used_ += static_cast<size_t>(n);
    if (used_ >= block_size_) flush_block();
  }
  void flush_block();

  Flush flush_;
  size_t block_size_;
  std::string buffer_;  // block_size_ + 8 bytes; the first used_ are written
  size_t used_ = 0;
  uint64_t flushed_ = 0;
};

// Everything `produce` writes, as one string: for tests, and for outputs kept
// in memory.
std::string bytes_of(const std::function<void(ByteWriter&)>& produce);

}  // namespace scengen
