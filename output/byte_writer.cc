#include "output/byte_writer.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace scengen {

ByteWriter::ByteWriter(Flush flush, size_t block_size)
    : flush_(std::move(flush)), block_size_(block_size == 0 ? 1 : block_size) {
  buffer_.resize(block_size_ + 8);
}

void ByteWriter::f64(double v) { put(std::bit_cast<uint64_t>(v), 8); }

void ByteWriter::bytes(std::string_view b) {
  while (!b.empty()) {
    const size_t n = std::min(b.size(), block_size_ - used_);
    std::memcpy(buffer_.data() + used_, b.data(), n);
    used_ += n;
    b.remove_prefix(n);
    if (used_ >= block_size_) flush_block();
  }
}

void ByteWriter::finish() {
  if (used_ > 0) flush_block();
}

void ByteWriter::flush_block() {
  flush_(std::string_view(buffer_.data(), used_));
  flushed_ += used_;
  used_ = 0;
}

std::string bytes_of(const std::function<void(ByteWriter&)>& produce) {
  std::string out;
  ByteWriter w([&out](std::string_view block) { out.append(block); });
  produce(w);
  w.finish();
  return out;
}

}  // namespace scengen
