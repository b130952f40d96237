#include "scenario/text_writers.h"

#include <gtest/gtest.h>

#include "scenario/line_text.h"
#include "scenario/notes.h"
#include "scenario/slowdown_notice.h"
#include "scenario/timetable_card.h"
#include "scenario/train_text.h"
#include "test/temp_dir.h"

namespace scengen {
namespace {

// What every carried text must be to pass through the writing pattern as it
// stands: its number of lines, printable 7-bit ASCII, and no line that reads
// as the end marker (it would cut the file short).
TEST(CarriedTexts, LineCountsAndPlainAscii) {
  struct Case {
    const char* name;
    const std::vector<std::string>& lines;
    std::size_t count;
  };
  const Case cases[] = {
      {"line text", line_text(), 309},
      {"train text", train_text(), 55},
      {"notes", notes(), 28},
      {"slowdown notice", slowdown_notice(), 5},
      {"timetable card", timetable_card(), 38},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.lines.size(), c.count);
    for (const std::string& line : c.lines) {
      EXPECT_NE(line, "riferimento fine del file");
      for (unsigned char ch : line) EXPECT_TRUE(ch >= 0x20 && ch < 0x7f) << line;
    }
  }
}

TEST(CarriedTexts, FilesHoldTheLinesWithCrLf) {
  testing::TempDir dir;
  std::string err;
  ASSERT_TRUE(write_carried_texts(output_files(dir.path(), ScenarioNames{}), &err)) << err;
  // The notice is the one text whose bytes are short enough to pin whole.
  EXPECT_EQ(testing::read_file(dir / "Tolvo_Sarmaleonte_R31474_rallentamenti.txt"),
            "\r\n\r\n\r\n\r\n                         NESSUNA PRESCRIZIONE\r\n");
  const std::string card = testing::read_file(dir / "Tolvo_Sarmaleonte_R31474_scheda_treno.txt");
  EXPECT_EQ(card.substr(card.size() - 72),
            "\r\n\r\n\r\nNota: Nella colonna Orario il simbolo '+' indica 'mezzo minuto'.\r\n");
}

}  // namespace
}  // namespace scengen
