#include "output/item_file.h"

#include <gtest/gtest.h>

#include <string>

namespace scengen {
namespace {

std::string item_bytes(const TrackModel& m) {
  std::string err;
  std::string b = bytes_of([&](ByteWriter& w) { EXPECT_TRUE(write_item_table(m, w, &err)); });
  EXPECT_EQ(err, "");
  return b;
}

TEST(ItemFile, AnItemFieldByField) {
  TrackModel m;
  Item& it = m.items[1];
  it = Item{12, -1, 8450, 300, 7, "AB", 60, -2, 3, 4, 5, 1, 2, 3, 4, 62760};
  const std::string b = item_bytes(m);
  ASSERT_EQ(b.size(), 87u * 34 + 2);
  EXPECT_EQ(b.substr(0, 34), std::string(34, '\0'));  // item 0 is never written by the parser
  EXPECT_EQ(b.substr(34, 36), std::string("\x0C"      // kind 12, u8
                                          "\xFF\xFF\xFF\xFF"          // number_1 = -1, i32 LE
                                          "\x02\x21\x00\x00"          // number_2 = 8450
                                          "\x2C\x01\x00\x00"          // number_3 = 300
                                          "\x07"                      // byte_1 = 7
                                          "\x02\x00"                  // text length 2, u16 LE
                                          "AB"                        // text, no terminator
                                          "\x3C\x00"                  // word_1 = 60, i16 LE
                                          "\xFE\xFF"                  // word_2 = -2
                                          "\x03\x00\x04\x00\x05\x00"  // word_3..word_5
                                          "\x01\x02\x03\x04"          // byte_2..byte_5
                                          "\x28\xF5\x00\x00",         // number_4 = 62760, i32 LE
                                          36));
}

TEST(ItemFile, TextLengths) {
  const struct {
    size_t length;
    std::string length_bytes;
  } cases[] = {
      {0, std::string("\x00\x00", 2)},
      {300, std::string("\x2C\x01", 2)},
      {65535, std::string("\xFF\xFF", 2)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    TrackModel m;
    m.items[80].text = std::string(c.length, 'x');
    const std::string b = item_bytes(m);
    EXPECT_EQ(b.size(), 2958 + c.length);
    const size_t at = 80 * 34;
    EXPECT_EQ(b.substr(at + 14, 2), c.length_bytes);
    EXPECT_EQ(b.substr(at + 16, c.length), std::string(c.length, 'x'));
    EXPECT_EQ(b.substr(at + 16 + c.length, 18), std::string(18, '\0'));
  }
}

TEST(ItemFile, ATextPastTheLengthFieldWritesNothing) {
  TrackModel m;
  m.items[85].text = std::string(65536, 'x');
  std::string err;
  const std::string b =
      bytes_of([&](ByteWriter& w) { EXPECT_FALSE(write_item_table(m, w, &err)); });
  EXPECT_EQ(b, "");
  EXPECT_EQ(err, "il testo dell'elemento 85 ha 65536 caratteri (al più 65535)");
}

}  // namespace
}  // namespace scengen
