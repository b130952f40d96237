#include "output/byte_writer.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace scengen {

ByteWriter::ByteWriter(Flush flush, size_t block_size)
    : flush_(std::move(flush)), block_size_(block_size == 0 ? 1 : block_size) {
  buffer_.reserve(block_size_ + 8);
}

void ByteWriter::f64(double v) { put(std::bit_cast<uint64_t>(v), 8); }

void ByteWriter::bytes(std::string_view b) {
  while (!b.empty()) {
    if (buffer_.size() >= block_size_) flush_block();
    const size_t n = std::min(b.size(), block_size_ - buffer_.size());
    buffer_.append(b.substr(0, n));
    b.remove_prefix(n);
  }
  if (buffer_.size() >= block_size_) flush_block();
}

void ByteWriter::finish() {
  if (!buffer_.empty()) flush_block();
}

void ByteWriter::flush_block() {
  flush_(buffer_);
  flushed_ += buffer_.size();
  buffer_.clear();
}

std::string bytes_of(const std::function<void(ByteWriter&)>& produce) {
  std::string out;
  ByteWriter w([&out](std::string_view block) { out.append(block); });
  produce(w);
  w.finish();
  return out;
}

}  // namespace scengen
