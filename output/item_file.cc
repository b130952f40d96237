#include "output/item_file.h"

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

}  // namespace scengen
