#include "compiler/item_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scengen {
namespace {

// Reads `kinds` ('t' a text item, 'n' a 32-bit number) from `input` and
// shows every item as text, numbers in decimal; a failed read shows as "!".
std::vector<std::string> read_items(const std::string& input, const std::string& kinds) {
  ItemReader reader(input);
  std::vector<std::string> items;
  for (char kind : kinds) {
    if (kind == 't') {
      std::string item;
      items.push_back(reader.read_text(&item) ? item : "!");
    } else {
      int32_t v = 0;
      items.push_back(reader.read_long(&v) ? std::to_string(v) : "!");
    }
  }
  return items;
}

TEST(ItemReader, ReadsItemsByTheRulesOfTheSourceTexts) {
  struct Case {
    std::string input;
    std::string kinds;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      // Text items: leading blanks skipped, comma or line end consumed.
      {"pendenza,  700 , 13 \r\n", "tnn", {"pendenza", "700", "13"}},
      {"  lunghezza percorso,    96000\r\n", "tn", {"lunghezza percorso", "96000"}},
      // Blanks inside an item belong to it; trailing blanks do not.
      {"  a  b  ,c\r\n", "tt", {"a  b", "c"}},
      {"[fine]   \r\n", "t", {"[fine]"}},
      // An empty line is one empty item.
      {"\r\n\r\nx\r\n", "ttt", {"", "", "x"}},
      {"   \r\nx\r\n", "tt", {"", "x"}},
      // Quoted: commas inside belong to it; the rest up to the comma is dropped.
      {"\"a, b\" tail,c\r\n", "tt", {"a, b", "c"}},
      {"\"open to the end\r\nx\r\n", "tt", {"open to the end", "x"}},
      // Numbers: "0    ,0" is two, blanks alone separate, an empty field is 0.
      {"0    ,0\r\n", "nn", {"0", "0"}},
      {"17              16            30 \r\n", "nnn", {"17", "16", "30"}},
      {"600,  80,  ,  ,  0\r\n", "nnnnn", {"600", "80", "0", "0", "0"}},
      {"-7,+5,0042\r\n", "nnn", {"-7", "5", "42"}},
      // A line end between the values of a record reads like a comma.
      {"montagna\r\n800\r\n2050\r\n", "tnn", {"montagna", "800", "2050"}},
      // A number at a line end is the empty number 0, and takes the line end.
      {"12,\r\n34\r\n", "nnn", {"12", "0", "34"}},
      // After a number only blanks and one separator go: the next text item
      // starts right there.
      {"5 ,, x\r\n", "ntt", {"5", "", "x"}},
      // LF alone and CR alone end lines too.
      {"a\nb\rc", "ttt", {"a", "b", "c"}},
      // The extremes of a 32-bit field.
      {"2147483647,-2147483648", "nn", {"2147483647", "-2147483648"}},
      // Past the end, every read fails.
      {"x\r\n", "tt", {"x", "!"}},
      {"", "n", {"!"}},
      // Not a whole decimal number, or too large for the field.
      {"12a,1", "n", {"!"}},
      {"1.5", "n", {"!"}},
      {"-", "n", {"!"}},
      {"2147483648", "n", {"!"}},
      {"99999999999999999999999", "n", {"!"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.input));
    EXPECT_EQ(read_items(c.input, c.kinds), c.items);
  }
}

TEST(ItemReader, NarrowFieldsTakeOnlyWhatFitsThem) {
  ItemReader reader("-32768,32767,32768,0,255,256,-1\r\n");
  int16_t word = 0;
  uint8_t byte = 0;
  EXPECT_TRUE(reader.read_word(&word));
  EXPECT_EQ(word, -32768);
  EXPECT_TRUE(reader.read_word(&word));
  EXPECT_EQ(word, 32767);
  EXPECT_FALSE(reader.read_word(&word));
  EXPECT_EQ(reader.failure(),
            "il valore 32768 non sta in un campo con segno da 16 bit (-32768..32767)");
  EXPECT_TRUE(reader.read_byte(&byte));
  EXPECT_EQ(byte, 0);
  EXPECT_TRUE(reader.read_byte(&byte));
  EXPECT_EQ(byte, 255);
  EXPECT_FALSE(reader.read_byte(&byte));
  EXPECT_EQ(reader.failure(), "il valore 256 non sta in un campo senza segno da 8 bit (0..255)");
  EXPECT_FALSE(reader.read_byte(&byte));
  EXPECT_EQ(byte, 255);  // a failed read stores nothing
}

TEST(ItemReader, FailuresNameTheItem) {
  ItemReader reader("12a\r\n");
  int32_t v = 0;
  EXPECT_FALSE(reader.read_long(&v));
  EXPECT_EQ(reader.failure(), "\"12a\" non è un numero intero");
  EXPECT_EQ(reader.line(), 1);
  EXPECT_TRUE(reader.eof());
  std::string item;
  EXPECT_FALSE(reader.read_text(&item));
  EXPECT_EQ(reader.failure(), "lettura oltre la fine del file");
  EXPECT_EQ(reader.line(), 1);  // the last line of the text
}

TEST(ItemReader, TheEndIsReachedRightAfterTheLastItem) {
  ItemReader reader("a\r\n[fine]\r\n");
  std::string item;
  ASSERT_TRUE(reader.read_text(&item));
  EXPECT_FALSE(reader.eof());
  ASSERT_TRUE(reader.read_text(&item));
  EXPECT_EQ(item, "[fine]");
  EXPECT_TRUE(reader.eof());
}

TEST(ItemReader, EveryItemKnowsItsLine) {
  ItemReader reader("a,b\r\n\r\n  c,\r\n  7 8\n\r\n9");
  std::string item;
  int32_t v = 0;
  std::vector<int> lines;
  reader.read_text(&item);  // a
  lines.push_back(reader.line());
  reader.read_text(&item);  // b
  lines.push_back(reader.line());
  reader.read_text(&item);  // the empty line
  lines.push_back(reader.line());
  reader.read_text(&item);  // c
  lines.push_back(reader.line());
  reader.read_text(&item);  // the empty rest of line 3
  lines.push_back(reader.line());
  reader.read_long(&v);  // 7
  lines.push_back(reader.line());
  reader.read_long(&v);  // 8
  lines.push_back(reader.line());
  reader.read_long(&v);  // the empty line 5 reads 0
  lines.push_back(reader.line());
  reader.read_long(&v);  // 9
  lines.push_back(reader.line());
  EXPECT_EQ(lines, (std::vector<int>{1, 1, 2, 3, 3, 4, 4, 5, 6}));
  EXPECT_EQ(v, 9);
  EXPECT_TRUE(reader.eof());
}

}  // namespace
}  // namespace scengen
