#pragma once

// The item file: items 0 to 86 in index order, each 34 bytes plus the length
// n of its text, packed little-endian:
//
//   kind u8 | number_1 i32 | number_2 i32 | number_3 i32 | byte_1 u8 |
//   n u16 | text, n bytes | word_1..word_5 i16 | byte_2..byte_5 u8 |
//   number_4 i32

#include <array>
#include <string>
#include <string_view>

#include "compiler/track_model.h"
#include "output/byte_writer.h"

namespace scengen {

inline constexpr int kItemFixedSize = 34;
// 87 records and the longest text each may hold.
inline constexpr uint64_t kMaxItemFileSize = kItemCount * (kItemFixedSize + kMaxItemText);

// False, with *err naming the item, when a text is longer than its 16-bit
// length can say (kMaxItemText); nothing is written then.
bool write_item_table(const TrackModel& model, ByteWriter& out, std::string* err);

// Reads an item file back. False, with *err saying what was expected and at
// which byte, when the bytes are not a compiled item file: a record cut
// short, bytes after item 86, or item 85 without the stamp 610.
bool read_item_table(std::string_view bytes, std::array<Item, kItemCount>* items, std::string* err);

}  // namespace scengen
