#include "output/item_file.h"

#include <gtest/gtest.h>

#include <array>
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

// An item file as the compile leaves it: item 85 stamped.
std::string stamped_items(const std::string& caption = "(Galleria )(ROCCAVERA)") {
  TrackModel m;
  m.items[1] = Item{12, -1, 8450, 300, 7, "AB", 60, -2, 3, 4, 5, 1, 2, 3, 4, 62760};
  m.items[80].text = caption;
  m.items[85].word_1 = 610;
  return item_bytes(m);
}

TEST(ItemFile, ReadsBackWhatWasWritten) {
  for (const std::string& caption : {std::string(), std::string(65535, 'x')}) {
    SCOPED_TRACE(caption.size());
    std::array<Item, kItemCount> items;
    std::string err;
    ASSERT_TRUE(read_item_table(stamped_items(caption), &items, &err)) << err;
    EXPECT_EQ(items[0], Item{});
    EXPECT_EQ(items[1], (Item{12, -1, 8450, 300, 7, "AB", 60, -2, 3, 4, 5, 1, 2, 3, 4, 62760}));
    EXPECT_EQ(items[80].text, caption);
    EXPECT_EQ(items[85].word_1, 610);
  }
}

TEST(ItemFile, WhatIsNotACompiledItemFileSaysWhereItGoesWrong) {
  const std::string good = stamped_items();  // 2958 + 2 + 22 bytes
  // Item 1 starts at byte 34, item 2 at 70, item 80 at 70 + 78 * 34 = 2722.
  std::string unstamped = good;
  // Item 85's word_1, 16 bytes into item 85; items 85 and 86 have no text.
  unstamped.replace(good.size() - 2 * 34 + 16, 2, std::string(2, '\0'));
  const struct {
    std::string bytes;
    std::string error;
  } cases[] = {
      {"", "truncated item file: item 0 at byte 0 has 0 of the 16 bytes before its text"},
      {good.substr(0, 80),
       "truncated item file: item 2 at byte 70 has 10 of the 16 bytes before its text"},
      {good.substr(0, 2760),
       "truncated item file: item 80 at byte 2722 needs 22 bytes of text and 18 after it, only 22 "
       "are left"},
      {good.substr(0, good.size() - 1),
       "truncated item file: item 86 at byte 2948 needs 0 bytes of text and 18 after it, only 17 "
       "are left"},
      {good + "x", "not an item file: 1 bytes follow item 86, at byte 2982"},
      {unstamped, "not a compiled item file: expected the stamp 610 in item 85's word_1, found 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    std::array<Item, kItemCount> items;
    std::string err;
    EXPECT_FALSE(read_item_table(c.bytes, &items, &err));
    EXPECT_EQ(err, c.error);
  }
}

}  // namespace
}  // namespace scengen
