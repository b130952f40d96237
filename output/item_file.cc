#include "output/item_file.h"

#include "output/byte_reader.h"

namespace scengen {

bool write_item_table(const TrackModel& model, ByteWriter& out, std::string* err) {
  for (size_t i = 0; i < model.items.size(); ++i) {
    if (model.items[i].text.size() > kMaxItemText) {
      *err = "il testo dell'elemento " + std::to_string(i) + " ha " +
             std::to_string(model.items[i].text.size()) + " caratteri (al più 65535)";
      return false;
    }
  }
  for (const Item& item : model.items) {
    out.u8(item.kind);
    out.i32(item.number_1);
    out.i32(item.number_2);
    out.i32(item.number_3);
    out.u8(item.byte_1);
    out.u16(static_cast<uint16_t>(item.text.size()));
    out.bytes(item.text);
    out.i16(item.word_1);
    out.i16(item.word_2);
    out.i16(item.word_3);
    out.i16(item.word_4);
    out.i16(item.word_5);
    out.u8(item.byte_2);
    out.u8(item.byte_3);
    out.u8(item.byte_4);
    out.u8(item.byte_5);
    out.i32(item.number_4);
  }
  return true;
}

bool read_item_table(std::string_view bytes, std::array<Item, kItemCount>* items,
                     std::string* err) {
  ByteReader in(bytes);
  for (int i = 0; i < kItemCount; ++i) {
    Item& item = (*items)[static_cast<size_t>(i)];
    const size_t at = in.offset();
    const std::string where = "item " + std::to_string(i) + " at byte " + std::to_string(at);
    // Up to the text: kind, number_1..3, byte_1 and the text's length.
    if (!in.has(16)) {
      *err = "truncated item file: " + where + " has " + std::to_string(in.left()) +
             " of the 16 bytes before its text";
      return false;
    }
    item.kind = in.u8();
    item.number_1 = in.i32();
    item.number_2 = in.i32();
    item.number_3 = in.i32();
    item.byte_1 = in.u8();
    const size_t n = in.u16();
    if (!in.has(n + 18)) {
      *err = "truncated item file: " + where + " needs " + std::to_string(n) +
             " bytes of text and 18 after it, only " + std::to_string(in.left()) + " are left";
      return false;
    }
    item.text = std::string(in.bytes(n));
    item.word_1 = in.i16();
    item.word_2 = in.i16();
    item.word_3 = in.i16();
    item.word_4 = in.i16();
    item.word_5 = in.i16();
    item.byte_2 = in.u8();
    item.byte_3 = in.u8();
    item.byte_4 = in.u8();
    item.byte_5 = in.u8();
    item.number_4 = in.i32();
  }
  if (in.left() > 0) {
    *err = "not an item file: " + std::to_string(in.left()) + " bytes follow item 86, at byte " +
           std::to_string(in.offset());
    return false;
  }
  const Item& stamped = (*items)[kBackgroundItem];
  if (stamped.word_1 != 610) {
    *err = "not a compiled item file: expected the stamp 610 in item 85's word_1, found " +
           std::to_string(stamped.word_1);
    return false;
  }
  return true;
}

}  // namespace scengen
