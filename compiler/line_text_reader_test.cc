// The line-text half of the parser, driven through memorizza_dati with the
// texts in memory.
#include <gtest/gtest.h>

#include <bit>
#include <optional>
#include <string>
#include <vector>

#include "compiler/error_codes.h"
#include "compiler/parser.h"
#include "scenario/line_text.h"
#include "test/parse_texts.h"

namespace scengen {
namespace {

using testing::crlf;
using testing::Parsed;

// The line text given; the train text holds nothing but its "[generale]".
Parsed parse(std::optional<std::string> line_text, int32_t plan_enabled = 1) {
  return testing::parse_texts(std::move(line_text), std::string("[generale]\r\n"), plan_enabled);
}

// A line of 1000 m (last_cell 160, plan_last_metre 8000); the records start
// on line 4.
std::string line_of_1000(const std::vector<std::string>& records) {
  std::vector<std::string> lines = {"[generale]", "lunghezza percorso, 1000", "[curve]"};
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back("[fine]");
  return crlf(lines);
}

std::vector<std::string> repeated(int n, const std::string& line) {
  return std::vector<std::string>(static_cast<size_t>(n), line);
}

TEST(LineTextReader, TheCarriedLineTextFillsTheModelWithoutError) {
  const Parsed p = parse(crlf(line_text()));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  EXPECT_TRUE(m.diagnostics.empty());
  EXPECT_FALSE(p.line_text_left);
  EXPECT_FALSE(p.train_text_left);

  EXPECT_EQ(m.items[84].number_2, 96000);
  EXPECT_EQ(m.last_cell, 2060);
  EXPECT_EQ(m.plan_last_metre, 103000);
  // The chainage changes, latest first, the down-counting one raised by 100.
  EXPECT_EQ(std::vector({m.items[81].number_1, m.items[81].number_2, m.items[81].number_3}),
            std::vector({81200, 96000, 1}));
  EXPECT_EQ(std::vector({m.items[82].number_1, m.items[82].number_2, m.items[82].number_3}),
            std::vector({8450, 3600, 0}));
  EXPECT_EQ(std::vector({m.items[83].number_1, m.items[83].number_2, m.items[83].number_3}),
            std::vector({0, 0, 0}));
  // Backgrounds in their crossed order; repetition off (second value 0).
  EXPECT_EQ(m.items[85].number_1, 88000);
  EXPECT_EQ(m.items[85].number_2, 16900);
  EXPECT_EQ(m.items[85].number_3, 1);
  EXPECT_EQ(m.items[85].text, "Tolvo_Sarmaleonte");
  EXPECT_EQ(std::vector({m.items[86].number_1, m.items[86].number_2, m.items[86].number_3}),
            std::vector({0, 0, 0}));
  EXPECT_EQ(m.items[86].text, "R31474");

  // Gradients: 13 per mille from 700 m, level from 8250 m.
  for (int i = 0; i <= 13; ++i) EXPECT_EQ(m.cells[i].gradient, 100) << i;
  for (int i = 14; i <= 164; ++i) EXPECT_EQ(m.cells[i].gradient, 113) << i;
  EXPECT_EQ(m.cells[134].gradient, 113);
  EXPECT_NE(m.cells[2057].gradient, 0);
  for (int i = 2058; i <= 2060; ++i) EXPECT_EQ(m.cells[i].gradient, 0) << i;

  // The speed board at 600 m and the 16 captions, slots 80 down to 65.
  EXPECT_EQ(m.cells[13].kind, kSpeedIndicator);
  EXPECT_EQ(m.cells[13].value_a, 1600);
  EXPECT_EQ(m.cells[16].kind, kCaption);
  EXPECT_EQ(m.cells[16].value_a, 80);
  EXPECT_EQ(m.items[80].text, "(Galleria )(ROCCAVERA)( 1276 m. )");
  EXPECT_EQ(m.items[76].text, "(   Galleria   )(MONTE SERRANTE)(  8099 m.     )");
  EXPECT_EQ(m.items[65].text, "(ALVENA)");
  EXPECT_EQ(m.items[64].text, "");
  int captions = 0, markers = 0, spanned = 0;
  for (const Cell& cell : m.cells) {
    captions += cell.kind == kCaption;
    markers += cell.kind == kMountainMarker;
    spanned += cell.mountain_type != 0;
  }
  EXPECT_EQ(captions, 16);
  EXPECT_GT(markers, 0);
  EXPECT_GT(spanned, 0);
  EXPECT_EQ(m.mountain_count, 75);
  EXPECT_EQ(m.cells[16].mountain_type, 2);  // "montagna, 800, 2050, 12"

  // The plan: straight to 800, turning at 801, drawn to 102998.
  EXPECT_EQ(std::bit_cast<uint64_t>(plan_at(m, 801, 0).value), std::bit_cast<uint64_t>(-0.001));
  EXPECT_EQ(plan_at(m, 801, 1).value, 801.0);
  EXPECT_EQ(plan_at(m, 102998, 1).tag, PlanTag::kDouble);
  EXPECT_EQ(plan_at(m, 102999, 0).tag, PlanTag::kEmpty);
  EXPECT_EQ(plan_at(m, 103000, 1).tag, PlanTag::kEmpty);
}

TEST(LineTextReader, GeneralKeywordsAndTheirCaseRules) {
  const Parsed p = parse(crlf({
      "Anything before is skipped, 1, 2",
      "[Generale]",
      "LUNGHEZZA PERCORSO, 2000",                   // any case
      "Progressiva chilometrica uno, 100, 200, 0",  // exact: not recognised
      "progressiva chilometrica tre, 0, 50, 0",
      "progressiva chilometrica uno, 0, 100, 0",
      "Sfondo uno, 5",  // exact: not recognised
      "sfondo due, 1",
      "sfondo tre, 16900",
      "- a comment",
      "ripetizione segnali 9 codici, 100, 0",
      "[curve]",
      "lunghezza percorso, 5000",  // only inside the general block
      "[fine]",
  }));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  EXPECT_EQ(m.items[84].number_2, 2000);
  EXPECT_EQ(m.last_cell, 180);
  // Read as 81 = (0, 50), 83 = (0, 100); positions add up to 0, so the
  // chainages decide and 83's goes first. Had "uno" gone to 81, 81 would
  // keep "tre" first.
  EXPECT_EQ(m.items[81].number_2, 100);
  EXPECT_EQ(m.items[83].number_2, 50);
  EXPECT_EQ(m.items[85].number_1, 0);
  EXPECT_EQ(m.items[85].number_3, 1);
  EXPECT_EQ(m.items[85].number_2, 16900);
  // "9", then the second value 0 switches repetition off.
  EXPECT_EQ(std::vector({m.items[86].number_1, m.items[86].number_2, m.items[86].number_3}),
            std::vector({100, 0, 0}));
}

TEST(LineTextReader, TheGeneralBlockSkipsUpToTenHyphenItemsInARow) {
  std::vector<std::string> lines = {"[generale]"};
  for (int n = 1; n <= 10; ++n) lines.push_back("- note " + std::to_string(n));
  lines.push_back("- lunghezza percorso, 2000");  // the 11th: tested as a keyword
  lines.insert(lines.end(), {"[fine]", "x"});
  Parsed p = parse(crlf(lines));
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.last_cell, 180);

  // One more comment before it: the record's keyword is the 12th hyphen
  // item, skipped with its number read as a stray item.
  lines.insert(lines.begin() + 1, "- note 0");
  p = parse(crlf(lines));
  EXPECT_EQ(p.model.error_code, 25);
  EXPECT_TRUE(p.model.cells.empty());
}

TEST(LineTextReader, SignalRepetitionNamesItsCodes) {
  const struct {
    const char* row;
    int32_t codes;
  } cases[] = {
      {"ripetizione segnali 4 codici, 50, 100", 4},
      {"ripetizione segnali 9 codici, 50, 100", 9},
      {"ripetizione segnali 49 codici, 50, 100", 4},  // "4" is tested first
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    const Parsed p = parse(crlf({"[generale]", "lunghezza percorso, 1000", c.row, "[fine]", "x"}));
    EXPECT_EQ(p.model.error_code, 0);
    EXPECT_EQ(p.model.items[86].number_3, c.codes);
  }
}

TEST(LineTextReader, PositionedKeywordsAreTestedIndependentlyInAnyCase) {
  const Parsed p = parse(line_of_1000({
      "PENDENZA, 700, 13",
      // One item meeting two tests reads both records, in table order.
      "pendenza e montagna, 1000, 5, 1000, 1200, 1",
      "Cartello_Indicatore, 2000, (Galleria)(X)",
  }));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  EXPECT_EQ(m.cells[13].gradient, 100);
  EXPECT_EQ(m.cells[14].gradient, 113);
  EXPECT_EQ(m.cells[19].gradient, 113);
  EXPECT_EQ(m.cells[20].gradient, 105);
  EXPECT_EQ(m.cells[20].mountain_type, 1);
  EXPECT_EQ(m.cells[23].mountain_type, 1);
  EXPECT_EQ(m.cells[24].mountain_type, 0);
  EXPECT_EQ(m.cells[41].kind, kCaption);
  EXPECT_EQ(m.items[80].text, "(Galleria)(X)");
}

TEST(LineTextReader, UpToTwoHyphenItemsAreSkippedAndAThirdIsAKeyword) {
  // Skipped: "- a", then "- pendenza" too, so 700 and 13 are stray items.
  Parsed p = parse(line_of_1000({"- a", "- pendenza, 700, 13"}));
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.cells[20].gradient, 100);
  // Two skipped, the third tested like any keyword item.
  p = parse(line_of_1000({"- a", "- b", "- pendenza, 700, 13"}));
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.cells[20].gradient, 113);
}

TEST(LineTextReader, AKeywordThatIsTheLastItemIsNotActedOn) {
  const Parsed p = parse(crlf({"[generale]", "lunghezza percorso, 1000", "[curve]", "montagna"}));
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.mountain_count, 0);
}

TEST(LineTextReader, GradientsFillFromCursorToTheNextRecordAndOnToTheEnd) {
  const Parsed p = parse(line_of_1000({
      "pendenza, 20, -5",     // cell 0: nothing written yet
      "pendenza, 500, 7",     // cells 0..9 get -5
      "pendenza, 510, 9",     // the same cell: one cell (10) with 7
      "pendenza, 1000, -23",  // cells 11..19 with 9
  }));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  for (int i = 0; i <= 9; ++i) EXPECT_EQ(m.cells[i].gradient, 95) << i;
  EXPECT_EQ(m.cells[10].gradient, 107);
  for (int i = 11; i <= 19; ++i) EXPECT_EQ(m.cells[i].gradient, 109) << i;
  // The last gradient runs to last_cell - 3 = 157.
  for (int i = 20; i <= 157; ++i) EXPECT_EQ(m.cells[i].gradient, 77) << i;
  for (int i = 158; i <= 160; ++i) EXPECT_EQ(m.cells[i].gradient, 0) << i;
}

TEST(LineTextReader, WithoutGradientsEveryCellIsLevel) {
  const Parsed p = parse(line_of_1000({}));
  EXPECT_EQ(p.model.cells[0].gradient, 100);
  EXPECT_EQ(p.model.cells[157].gradient, 100);
  EXPECT_EQ(p.model.cells[158].gradient, 0);
}

TEST(LineTextReader, WithThePlanDisabledCurvesAreNotRecognised) {
  // "curvad" has no class digit: with the plan it stops the parse (103).
  const Parsed off = parse(line_of_1000({"curvad, 100, 100", "pendenza, 500, 3"}), 0);
  EXPECT_EQ(off.model.error_code, 0);
  EXPECT_TRUE(off.model.track_plan.empty());
  EXPECT_EQ(off.model.cells[10].gradient, 103);
  const Parsed on = parse(line_of_1000({"curvad, 100, 100", "pendenza, 500, 3"}), 1);
  EXPECT_EQ(on.model.error_code, errors::kBadCurve);
  EXPECT_EQ(on.model.cells[10].gradient, 0);
}

TEST(LineTextReader, CaptionsTakeFreeCellsAndSlotsFromEightyDown) {
  const Parsed p = parse(line_of_1000({
      "montagna, 0, 1000, 11",  // a marker on cell 3
      "cartello_indicatore, 100, (Galleria)(A)( 100 m.)",
      "cartello_indicatore, 200, (B)",
  }));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 0);
  EXPECT_EQ(m.cells[3].kind, kCaption);  // the marker gives way
  EXPECT_EQ(m.cells[3].value_a, 80);
  EXPECT_EQ(m.cells[5].value_a, 79);
  EXPECT_EQ(m.items[80].text, "(Galleria)(A)( 100 m.)");
  EXPECT_EQ(m.items[79].text, "(B)");
}

TEST(LineTextReader, EightyOneCaptionsFillItemZero) {
  std::vector<std::string> records;
  for (int n = 0; n < 81; ++n) {
    records.push_back("cartello_indicatore, " + std::to_string(n * 50) + ", C" + std::to_string(n));
  }
  const Parsed p = parse(line_of_1000(records));
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.items[0].text, "C80");
  EXPECT_EQ(p.model.cells[81].value_a, 0);
}

// An item's text is written after a 16-bit length: 65535 bytes is the most
// a caption can hold, and one byte more is a failure, not a wrapped length.
TEST(LineTextReader, ACaptionTextLongerThan65535BytesFails) {
  const Parsed fits = parse(line_of_1000({"cartello_indicatore, 100, " + std::string(65535, 'G')}));
  EXPECT_EQ(fits.model.error_code, 0);
  EXPECT_EQ(fits.model.items[80].text.size(), 65535u);

  const Parsed p = parse(line_of_1000({"cartello_indicatore, 100, " + std::string(65536, 'G')}));
  ASSERT_EQ(p.model.diagnostics.size(), 1u);
  EXPECT_EQ(p.model.diagnostics[0],
            (Diagnostic{25, std::nullopt, "linea.txt", 4,
                        "il testo di 65536 caratteri non sta in un elemento (al più 65535)"}));
  EXPECT_EQ(p.model.items[80].text, "");
  EXPECT_EQ(p.model.cells[3].kind, kPlain);
}

// Every error of the line text: its code, position and line, and which texts
// are left.
TEST(LineTextReader, ErrorsTheirPositionsAndWhatIsDeleted) {
  std::vector<std::string> many_captions, many_mountains, crowded, crowded_tail;
  for (int n = 0; n < 82; ++n) {
    many_captions.push_back("cartello_indicatore, " + std::to_string(n * 50) + ", C");
  }
  for (int n = 0; n < 81; ++n) {
    many_mountains.push_back("montagna, " + std::to_string(n * 50) + ", " +
                             std::to_string(n * 50 + 50) + ", 1");
  }
  // Each record in cell 1 writes one cell at the cursor: the 162nd would
  // write cell 161, past last_cell 160.
  crowded = repeated(162, "pendenza, 50, 1");
  // 161 records leave the cursor at 161 for the tail.
  crowded_tail = repeated(161, "pendenza, 50, 1");

  const struct Case {
    const char* name;
    std::optional<std::string> text;
    int32_t code;
    std::optional<int32_t> position;
    int line;
    bool line_text_left;
    bool train_text_left;
    int32_t plan_enabled = 1;
  } cases[] = {
      {"no line text", std::nullopt, 101, {}, 0, false, true},
      {"no [generale]", crlf({"[curve]", "pendenza, 0, 1", "[fine]"}), 102, {}, 0, false, true},
      {"[generale] is the last item", crlf({"[generale]"}), 102, {}, 0, false, true},
      {"route too long",
       crlf({"[generale]", "lunghezza percorso, 1000001", "[fine]"}),
       1,
       {},
       2,
       false,
       true},
      {"negative route",
       crlf({"[generale]", "lunghezza percorso, -1", "[fine]"}),
       206,
       {},
       2,
       false,
       true},
      {"repetition first value",
       crlf({"[generale]", "ripetizione segnali 4 codici, 25, 0", "[fine]"}),
       3,
       {},
       2,
       false,
       true},
      {"repetition second value",
       crlf({"[generale]", "ripetizione segnali 4 codici, 50, 30", "[fine]"}),
       4,
       {},
       2,
       false,
       true},
      {"repetition without 4 or 9",
       crlf({"[generale]", "ripetizione segnali codici, 50, 50", "[fine]"}),
       5,
       {},
       2,
       false,
       true},
      {"curve without class digit", line_of_1000({"curvad, 100, 100"}), 103, {}, 4, false, true},
      {"caption on a taken cell",
       line_of_1000(
           {"indicatori_vmax, 600, 80, 80, 80, 0, , , , 0", "cartello_indicatore, 600, (X)"}),
       6, 600, 5, false, true},
      {"board on a taken cell",
       line_of_1000({"indicatori_vmax, 600, 80, 80, 80, 0, , , , 0",
                     "indicatori_vmax, 620, 80, 80, 80, 0, , , , 0"}),
       21, 620, 5, false, true},
      // Code 15 ends the line text only: the train text is read after it.
      {"record past the cells", line_of_1000({"pendenza, 200, 1", "pendenza, 7950, 1"}), 15, 7950,
       5, false, false},
      {"board past the cells", line_of_1000({"indicatori_v, 7901, 1, 1, 1, 0, 0, 0, 0, 0"}), 15,
       7901, 4, false, false},
      {"caption before cell 0", line_of_1000({"cartello_indicatore, -100, (X)"}), 200, -100, 4,
       false, true},
      {"board before cell 0", line_of_1000({"indicatori_v, -76, 1, 1, 1, 0, 0, 0, 0, 0"}), 200, -76,
       4, false, true},
      {"mountain before cell 0", line_of_1000({"montagna, -100, 500, 1"}), 200, -100, 4, false,
       true},
      {"mountain past the last cell", line_of_1000({"montagna, 7000, 8100, 1"}), 201, 7000, 4,
       false, true},
      {"81 mountains", line_of_1000(many_mountains), 202, 4000, 84, false, true},
      {"curve past the plan's end", line_of_1000({"curvad4, 7800, 199"}), 203, 7800, 4, false,
       true},
      {"82 captions", line_of_1000(many_captions), 204, 4050, 85, false, true},
      {"gradient cursor past the last cell", line_of_1000(crowded), 205, 50, 165, false, true},
      {"gradient tail past the last cell", line_of_1000(crowded_tail), 205, 50, 164, false, true},
      {"a number that is not one", line_of_1000({"pendenza, 12a, 1"}), 25, {}, 4, false, false},
      {"a number too large", line_of_1000({"pendenza, 100, 3000000000"}), 25, {}, 4, false, false},
      {"an empty text", "", 25, {}, 1, false, false},
      {"a caption without its text at the end",
       line_of_1000({"pendenza, 100, 1"}) + "cartello_indicatore, 100",
       25,
       {},
       6,
       false,
       false},
      {"a speed past 16 bits",
       line_of_1000({"indicatori_v, 600, 1700, 0, 0, 0, 0, 0, 0, 0"}),
       25,
       {},
       4,
       false,
       false},
      {"no route length, plan enabled",
       crlf({"[generale]", "sfondo uno, 5", "[curve]", "x"}),
       25,
       {},
       3,
       false,
       false},
      {"no route length, plan disabled",
       crlf({"[generale]", "[curve]", "pendenza, 100, 1", "[fine]"}),
       25,
       {},
       3,
       false,
       false,
       0},
      {"no route length and no records",
       crlf({"[generale]", "[curve]", "[fine]"}),
       25,
       {},
       3,
       false,
       false,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Parsed p = parse(c.text, c.plan_enabled);
    EXPECT_EQ(p.model.error_code, c.code);
    EXPECT_EQ(p.model.error_position, c.position.value_or(0));
    ASSERT_EQ(p.model.diagnostics.size(), 1u);
    const Diagnostic& d = p.model.diagnostics[0];
    EXPECT_EQ(d.code, c.code);
    EXPECT_EQ(d.position, c.position);
    EXPECT_EQ(d.file, "linea.txt");
    EXPECT_EQ(d.line, c.line);
    EXPECT_EQ(d.detail.empty(), c.code != 25) << d.detail;
    EXPECT_EQ(p.line_text_left, c.line_text_left);
    EXPECT_EQ(p.train_text_left, c.train_text_left);
  }
}

TEST(LineTextReader, APositionPastTheCellsEndsTheLineTextOnly) {
  const Parsed p = parse(crlf({
      "[generale]",
      "lunghezza percorso, 96000",
      "[pendenze]",
      "pendenza, 102900, 5",  // the largest accepted position
      "pendenza, 102950, 6",  // one past it
      "cartello_indicatore, 1000, (never read)",
      "[fine]",
  }));
  const TrackModel& m = p.model;
  EXPECT_EQ(m.error_code, 15);
  EXPECT_EQ(m.error_position, 102950);
  EXPECT_EQ(m.cells[21].kind, kPlain);
  // The line text is finished as usual: the tail, which writes at least the
  // cell at the cursor (here 2058, one past where it usually stops), and the
  // plan's end.
  EXPECT_EQ(m.cells[2057].gradient, 100);
  EXPECT_EQ(m.cells[2058].gradient, 105);
  EXPECT_EQ(m.cells[2059].gradient, 0);
  EXPECT_EQ(plan_at(m, 102998, 0).tag, PlanTag::kDouble);
  EXPECT_FALSE(p.line_text_left);
  EXPECT_FALSE(p.train_text_left);  // read after the line text, then deleted
}

TEST(LineTextReader, RouteLengthLimits) {
  Parsed p = parse(crlf({"[generale]", "lunghezza percorso, 1000000", "[fine]", "x"}), 0);
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.last_cell, 20140);
  p = parse(crlf({"[generale]", "lunghezza percorso, 0", "[fine]", "x"}));
  EXPECT_EQ(p.model.error_code, 0);
  EXPECT_EQ(p.model.last_cell, 140);
}

TEST(LineTextReader, AFailureNamesTheItem) {
  const Parsed p = parse(line_of_1000({"pendenza, 700, 13", "montagna, 800, 2050, 1x"}));
  ASSERT_EQ(p.model.diagnostics.size(), 1u);
  EXPECT_EQ(p.model.diagnostics[0],
            (Diagnostic{25, std::nullopt, "linea.txt", 5, "\"1x\" non è un numero intero"}));
}

}  // namespace
}  // namespace scengen
