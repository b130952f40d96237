#include "app/text_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "test/temp_dir.h"

namespace scengen {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

std::unique_ptr<TextList> list_of(const std::vector<std::string>& lines) {
  auto list = std::make_unique<TextList>();
  std::string err;
  EXPECT_TRUE(fill_text_list(lines, list.get(), &err)) << err;
  return list;
}

TEST(TextFile, EveryLineEndsWithCrLfAndTheMarkerIsNotWritten) {
  auto list = list_of({"uno", "", "  tre ", ""});
  std::string bytes, err;
  ASSERT_TRUE(render_text_list(*list, &bytes, &err)) << err;
  EXPECT_EQ(bytes, "uno\r\n\r\n  tre \r\n\r\n");
}

TEST(TextFile, NoLinesGivesAnEmptyFile) {
  auto list = list_of({});
  EXPECT_EQ((*list)[0], kEndMarker);
  std::string bytes = "x", err;
  ASSERT_TRUE(render_text_list(*list, &bytes, &err)) << err;
  EXPECT_EQ(bytes, "");
}

TEST(TextFile, TheFirstExactMarkerEndsTheFile) {
  TextList list;
  list[0] = "a";
  list[1] = "riferimento fine del file ";  // not the marker: a trailing blank
  list[2] = "Riferimento fine del file";   // not the marker: case differs
  list[3] = std::string(kEndMarker);
  list[4] = "never written";
  std::string bytes, err;
  ASSERT_TRUE(render_text_list(list, &bytes, &err)) << err;
  EXPECT_EQ(bytes, "a\r\nriferimento fine del file \r\nRiferimento fine del file\r\n");
}

TEST(TextFile, TheLastEntryMayHoldTheMarker) {
  TextList list;
  list[1000] = std::string(kEndMarker);
  std::string bytes, err;
  ASSERT_TRUE(render_text_list(list, &bytes, &err)) << err;
  std::string expected;
  for (int i = 0; i < 1000; ++i) expected += "\r\n";  // entries 0..999 are empty lines
  EXPECT_EQ(bytes, expected);
}

TEST(TextFile, RefusesWhatCannotBeWrittenAsItStands) {
  struct Case {
    const char* name;
    std::function<void(TextList&)> fill;
    std::string error;
  };
  const Case cases[] = {
      {"no marker", [](TextList& l) { l[0] = "a"; }, "the text list has no end marker"},
      {"non-ASCII",
       [](TextList& l) {
         l[0] = "ok";
         l[1] = "Localit\xc3\xa0";
         l[2] = kEndMarker;
       },
       "entry 1 is not a line of 7-bit ASCII"},
      {"line break inside",
       [](TextList& l) {
         l[0] = "a\r\nb";
         l[1] = kEndMarker;
       },
       "entry 0 is not a line of 7-bit ASCII"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextList list;
    c.fill(list);
    std::string bytes, err;
    EXPECT_FALSE(render_text_list(list, &bytes, &err));
    EXPECT_EQ(err, c.error);
  }
}

TEST(TextFile, TooManyLinesForTheList) {
  auto list = std::make_unique<TextList>();
  std::string err;
  EXPECT_TRUE(fill_text_list(std::vector<std::string>(1000, "x"), list.get(), &err));
  EXPECT_FALSE(fill_text_list(std::vector<std::string>(1001, "x"), list.get(), &err));
  EXPECT_EQ(err, "1001 lines do not fit into a text list of 1001 entries with its end marker");
}

TEST(TextFile, ALongerOlderFileIsReplacedWhole) {
  TempDir dir;
  write_file(dir / "t.txt", std::string(10000, 'z'));
  std::string err;
  ASSERT_TRUE(write_text_list(dir / "t.txt", *list_of({"nuovo"}), &err)) << err;
  EXPECT_EQ(read_file(dir / "t.txt"), "nuovo\r\n");
}

TEST(TextFile, AListWithoutMarkerWritesNothing) {
  TempDir dir;
  write_file(dir / "t.txt", "old\r\n");
  TextList list;
  std::string err;
  EXPECT_FALSE(write_text_list(dir / "t.txt", list, &err));
  EXPECT_EQ(err, "cannot write " + (dir / "t.txt").string() + ": the text list has no end marker");
  EXPECT_EQ(read_file(dir / "t.txt"), "old\r\n");
}

}  // namespace
}  // namespace scengen
