#include "scenario/line_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

namespace scengen {
namespace {

const std::vector<std::string>& L() { return line_text(); }

TEST(LineText, FixedLinesStandAtTheirNumbers) {
  const std::pair<int, std::string> fixed[] = {
      {0, "[generale]"},
      {1, "lunghezza percorso,    96000"},
      {2, "progressiva chilometrica uno,    8450,    3600,    0"},
      {3, "progressiva chilometrica due,    81200,    95900,    1"},
      {4, "progressiva chilometrica tre,    0,    0,    0"},
      {5, "sfondo uno,    88000"},
      {6, "sfondo due,    1"},
      {7, "sfondo tre,    16900"},
      {8, "ripetizione segnali 4 codici,    0    ,0"},
      {9, "[curve]"},
      {10, "curvas4,  800,  400"},
      {171, "curvad4,  95250 , 400 "},
      {172, "[pendenze]"},
      {173, "- Altitudine iniziale Tolvo = 538 m."},
      {213, "[montagne]"},
      {214, "montagna,  800 , 2050 , 12 "},
      {288, "montagna,  93300 , 93450 , 12 "},
      {289, "[cartelli]"},
      {290, "indicatori_vmax,  600,  80,  80,  80,  0,  ,  ,  ,  0"},
      {291, "[indicazioni]"},
      {308, "[fine]"},
  };
  for (const auto& [n, text] : fixed) {
    SCOPED_TRACE(n);
    EXPECT_EQ(L().at(n), text);
  }
}

TEST(LineText, GradientRowsInFull) {
  const char* rows[39] = {
      "pendenza,  700 , 13 ",   "pendenza,  8250 , 0 ",   "pendenza,  8650 , 8 ",
      "pendenza,  9900 , 0 ",   "pendenza,  10200,   16", "pendenza,  12750,   0",
      "pendenza,  13150,   19", "pendenza,  19150,   0",  "pendenza,  19450,   23",
      "pendenza,  22800 , 26 ", "pendenza,  27900 , 0 ",  "pendenza,  28500 , 27 ",
      "pendenza,  29600 , 0 ",  "pendenza,  30450 ,-7 ",  "pendenza,  37800 ,-16 ",
      "pendenza,  38400 , 0 ",  "pendenza,  38700 ,-20 ", "pendenza,  46650 , 0 ",
      "pendenza,  46950 ,-20 ", "pendenza,  50500 , 0 ",  "pendenza,  50800 ,-17 ",
      "pendenza,  51950 ,-14 ", "pendenza,  54350 , 0 ",  "pendenza,  54650 ,-20 ",
      "pendenza,  67000 , 0 ",  "pendenza,  67400 ,-22 ", "pendenza,  73900 , 0 ",
      "pendenza,  74800 ,-21 ", "pendenza,  78650 , 0 ",  "pendenza,  78900 ,-23 ",
      "pendenza,  82650 , 0 ",  "pendenza,  82950 ,-15 ", "pendenza,  83800 , 0 ",
      "pendenza,  84100 ,-15 ", "pendenza,  86350 ,-14 ", "pendenza,  90800 , 0 ",
      "pendenza,  91100 ,-5 ",  "pendenza,  95150 ,-3 ",  "pendenza,  95400 , 0 ",
  };
  for (int i = 0; i < 39; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(L().at(174 + i), rows[i]);
  }
}

struct Span {
  std::string keyword;
  long start;
  long second;      // length for curves, end for mountains
  long type;        // mountains only
  bool close_form;  // "kw,  800,  400" / "montagna,   17850,  17950,  11"
};

// Matches a row in one of the two spacings of its section (the close form
// or the spaced one) and tells which; fails the test on any other spacing.
bool match_row(const std::string& line, const std::regex& close, const std::regex& spaced,
               std::smatch* m, bool* is_close) {
  *is_close = std::regex_match(line, *m, close);
  if (*is_close || std::regex_match(line, *m, spaced)) return true;
  ADD_FAILURE() << "not a row of the section: '" << line << "'";
  return false;
}

Span read_curve(const std::string& line) {
  static const std::regex close(R"(^(curva[sd][1-6]),  (\d+),  (\d+)$)");
  static const std::regex spaced(R"(^(curva[sd][1-6]),  (\d+) , (\d+) $)");
  std::smatch m;
  bool is_close;
  if (!match_row(line, close, spaced, &m, &is_close)) return {};
  return {m[1], std::stol(m[2]), std::stol(m[3]), 0, is_close};
}

Span read_mountain(const std::string& line) {
  static const std::regex close(R"(^montagna,   (\d+),  (\d+),  (\d+)$)");
  static const std::regex spaced(R"(^montagna,  (\d+) , (\d+) , (\d+) $)");
  std::smatch m;
  bool is_close;
  if (!match_row(line, close, spaced, &m, &is_close)) return {};
  return {"montagna", std::stol(m[1]), std::stol(m[2]), std::stol(m[3]), is_close};
}

TEST(LineText, CurveRows) {
  std::vector<Span> curves;
  for (int n = 10; n <= 171; ++n) {
    SCOPED_TRACE(L()[n]);
    curves.push_back(read_curve(L()[n]));
  }
  std::map<std::string, int> per_keyword;
  std::vector<int> close_rows;  // 1-based row numbers within the section
  int longest = 0;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const Span& c = curves[i];
    SCOPED_TRACE(L()[10 + i]);
    ++per_keyword[c.keyword];
    if (c.close_form) close_rows.push_back(static_cast<int>(i) + 1);
    EXPECT_EQ(c.start % 50, 0);
    EXPECT_EQ(c.second % 50, 0);
    EXPECT_GE(c.start, 800);
    EXPECT_LE(c.start, 95250);
    EXPECT_GE(c.second, 50);
    EXPECT_LE(c.second, 2450);
    if (c.second == 2450) ++longest;
    // No curve in the summit tunnel's stretch.
    EXPECT_TRUE(c.start + c.second <= 29650 || c.start >= 37750);
    if (i + 1 < curves.size()) {
      EXPECT_LT(c.start, curves[i + 1].start);
      EXPECT_LE(c.start + c.second, curves[i + 1].start);
    }
  }
  EXPECT_EQ(per_keyword, (std::map<std::string, int>{{"curvas3", 4},
                                                     {"curvas4", 22},
                                                     {"curvas5", 48},
                                                     {"curvas6", 11},
                                                     {"curvad4", 14},
                                                     {"curvad5", 47},
                                                     {"curvad6", 16}}));
  EXPECT_EQ(close_rows, (std::vector<int>{1, 2, 3, 50, 51, 52}));
  EXPECT_EQ(longest, 1);
  // Telling rows.
  for (const char* row :
       {"curvas4,  20150 , 2450 ", "curvas3,  40800 , 550 ", "curvas3,  46250 , 50 ",
        "curvas3,  46400 , 150 ", "curvas3,  73300 , 50 "}) {
    EXPECT_NE(std::find(L().begin() + 10, L().begin() + 172, row), L().begin() + 172) << row;
  }
}

TEST(LineText, MountainRows) {
  std::vector<Span> spans;
  for (int n = 214; n <= 288; ++n) {
    SCOPED_TRACE(L()[n]);
    spans.push_back(read_mountain(L()[n]));
  }
  std::map<long, int> per_type;
  int close_rows = 0;
  long longest = 0;
  for (std::size_t i = 0; i < spans.size(); ++i) {
    const Span& s = spans[i];
    SCOPED_TRACE(L()[214 + i]);
    ++per_type[s.type];
    close_rows += s.close_form;
    EXPECT_EQ(s.start % 50, 0);
    EXPECT_EQ(s.second % 50, 0);
    EXPECT_GE(s.start, 800);
    EXPECT_LE(s.start, 93300);
    EXPECT_GE(s.second, 2050);
    EXPECT_LE(s.second, 93450);
    EXPECT_GE(s.second - s.start, 50);
    EXPECT_LE(s.second - s.start, 8100);
    longest = std::max(longest, s.second - s.start);
    if (i + 1 < spans.size()) {
      EXPECT_GT(spans[i + 1].start, s.second);
    }
  }
  EXPECT_EQ(per_type, (std::map<long, int>{{1, 1}, {2, 4}, {11, 45}, {12, 25}}));
  EXPECT_EQ(close_rows, 17);
  EXPECT_EQ(longest, 8100);
  EXPECT_EQ(std::count(L().begin(), L().end(), "montagna,  29650 , 37750 , 11 "), 1);
  // Every row of types 1 and 2, in order.
  std::vector<std::string> low_types;
  for (int n = 214; n <= 288; ++n) {
    if (spans[n - 214].type < 10) low_types.push_back(L()[n]);
  }
  EXPECT_EQ(low_types, (std::vector<std::string>{
                           "montagna,   61550,  61600,  1", "montagna,  64500 , 64550 , 2 ",
                           "montagna,   64650,  64700,  2", "montagna,   68100,  68150,  2",
                           "montagna,  69000 , 69050 , 2 "}));
}

TEST(LineText, CaptionRows) {
  struct Caption {
    long position;
    std::string kind;  // empty for a border caption
    std::size_t name_width;
    std::string length;  // empty when the caption has no length group
  };
  const Caption captions[16] = {
      {750, "Galleria ", 9, " 1276 m. "},
      {20450, "Gall.elic.", 10, " 1502 m.  "},
      {22200, "Viadotto", 8, ""},
      {25150, "Galleria", 8, " 1086 m."},
      {29600, "   Galleria   ", 14, "  8099 m.     "},
      {34000, "", 7, ""},
      {38950, "Galleria", 8, " 1273 m."},
      {44250, "Gall.elic.", 10, " 1467 m.  "},
      {48850, "Galleria", 8, " 1584 m."},
      {52000, "Gall.elic.", 10, " 1857 m.  "},
      {54750, "Galleria", 8, "1154 m. "},
      {56200, " Galleria ", 10, " 1249 m.  "},
      {62150, "Gall.elic.", 10, " 1883 m.  "},
      {64050, " Viadotto ", 10, ""},
      {74850, "Galleria", 8, "1186 m. "},
      {81100, "", 6, ""},
  };
  static const std::regex row(R"(^cartello_indicatore,  (\d+),   ((\([^()]*\))+)$)");
  static const std::regex group(R"(\(([^()]*)\))");
  for (int i = 0; i < 16; ++i) {
    const Caption& c = captions[i];
    const std::string& line = L().at(292 + i);
    SCOPED_TRACE(line);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, row));
    EXPECT_EQ(std::stol(m[1]), c.position);
    std::vector<std::string> groups;
    std::string rest = m[2];
    for (std::sregex_iterator g(rest.begin(), rest.end(), group), end; g != end; ++g) {
      groups.push_back((*g)[1]);
    }
    std::vector<std::string> expected;
    if (!c.kind.empty()) expected.push_back(c.kind);
    expected.push_back(groups.size() > expected.size() ? groups[expected.size()] : "");
    const std::string name = expected.back();
    if (!c.length.empty()) expected.push_back(c.length);
    EXPECT_EQ(groups, expected);
    EXPECT_EQ(name.size(), c.name_width);
    for (char ch : name) EXPECT_TRUE((ch >= 'A' && ch <= 'Z') || ch == ' ') << name;
    EXPECT_NE(name.front(), ' ');
    EXPECT_NE(name.back(), ' ');
  }
  EXPECT_EQ(L()[292].substr(0, 41), "cartello_indicatore,  750,   (Galleria )(");
  EXPECT_EQ(L()[292].substr(50), ")( 1276 m. )");
}

}  // namespace
}  // namespace scengen
