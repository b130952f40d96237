#include "output/byte_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scengen {
namespace {

TEST(ByteWriter, LittleEndianFieldsBitForBit) {
  const std::string b = bytes_of([](ByteWriter& w) {
    w.u8(0x64);     // 64
    w.i16(50);      // 32 00
    w.i16(-2);      // FE FF
    w.u16(5);       // 05 00
    w.i32(62760);   // 28 F5 00 00
    w.i32(-1);      // FF FF FF FF
    w.f64(2.0);     // 00 .. 00 40
    w.f64(-0.0);    // 00 .. 00 80: the sign survives
    w.bytes("AB");  // 41 42
  });
  EXPECT_EQ(b, std::string("\x64"
                           "\x32\x00"
                           "\xFE\xFF"
                           "\x05\x00"
                           "\x28\xF5\x00\x00"
                           "\xFF\xFF\xFF\xFF"
                           "\x00\x00\x00\x00\x00\x00\x00\x40"
                           "\x00\x00\x00\x00\x00\x00\x00\x80"
                           "AB",
                           33));
}

TEST(ByteWriter, HandsOnWholeBlocksAndTheRestAtTheEnd) {
  std::vector<std::string> blocks;
  ByteWriter w([&](std::string_view b) { blocks.emplace_back(b); }, 4);
  w.i32(0x04030201);      // fills one block
  w.bytes("abcdefghij");  // two more blocks and two bytes
  w.u8(9);
  EXPECT_EQ(w.size(), 15u);
  EXPECT_EQ(blocks, (std::vector<std::string>{"\x01\x02\x03\x04", "abcd", "efgh"}));
  w.finish();
  EXPECT_EQ(blocks.back(), "ij\x09");
  w.finish();  // nothing left: no empty block
  EXPECT_EQ(blocks.size(), 4u);
}

}  // namespace
}  // namespace scengen
