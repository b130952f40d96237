// scengen report seen from outside: the real program on compiled scenarios
// in temporary folders, its page read back as XML, and once in a browser.

#include "app/report_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "test/page_check.h"
#include "test/parse_texts.h"
#include "test/run_program.h"
#include "test/temp_dir.h"
#include "test/tiny_scenario.h"

namespace scengen {
namespace {

using testing::check_page;
using testing::crlf;
using testing::kTinyLine;
using testing::kTinyTrain;
using testing::Page;
using testing::quoted;
using testing::read_file;
using testing::Result;
using testing::run;
using testing::TempDir;
using testing::write_file;

const std::string kCarried = "Tolvo_Sarmaleonte_R31474";

Result scengen(const std::string& args, const std::filesystem::path& cwd) {
  return run(SCENGEN_EXE, args, cwd);
}

// The tiny scenario compiled into `dir` as Prova / CODE.
void compile_tiny(const TempDir& tmp, const std::string& dir, const std::string& options = "") {
  write_file(tmp / "Prova_linea.txt", crlf(kTinyLine));
  write_file(tmp / "Prova_R1-.txt", crlf(kTinyTrain));
  const Result r =
      scengen("compile Prova_linea.txt Prova_R1-.txt --out " + dir + " " + options, tmp.path());
  ASSERT_EQ(r.status, 0) << r.err;
}

// A page that parses, draws within its view boxes and loads nothing.
void expect_sound_page(const std::string& html, const Page& page) {
  EXPECT_EQ(page.parse_error, "");
  EXPECT_TRUE(page.outside.empty())
      << page.outside.size()
      << " outside, first: " << (page.outside.empty() ? "" : page.outside[0]);
  for (const char* loads : {"<script", "<link", "src=", "href=", "@import", "url(http"}) {
    EXPECT_EQ(html.find(loads), std::string::npos) << loads;
  }
}

TEST(ReportCommand, TheCarriedScenario) {
  TempDir tmp;
  ASSERT_EQ(scengen("--out out", tmp.path()).status, 0);
  const Result r = scengen("report out", tmp.path());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  const std::string html = read_file(tmp / ("out/" + kCarried + ".html"));
  ASSERT_FALSE(html.empty());
  const Page page = check_page(html);
  expect_sound_page(html, page);
  EXPECT_GE(page.svg_count, 2);
  // The check sees a drawing that leaves its box: the map's box made small.
  std::string shrunk = html;
  const size_t box = shrunk.find("viewBox=\"0 0 ") + 9;
  shrunk.replace(box, shrunk.find('"', box) - box, "0 0 10 10");
  EXPECT_FALSE(check_page(shrunk).outside.empty());

  // The 18 stations in order, from TOLVO to SARMALEONTE, with the second's
  // row in full; the two chainage changes between them.
  ASSERT_EQ(page.timetable.size(), 18u);
  EXPECT_EQ(page.timetable[0][2], "TOLVO");
  EXPECT_EQ(page.timetable[1], (std::vector<std::string>{"2", "8.450", "BORGO SAN VITALE", "12",
                                                         "8.300 to 8.600", "60 s", "17:26:00"}));
  EXPECT_EQ(page.timetable[14][3], "26, no stop mark");
  EXPECT_EQ(page.timetable[17][2], "SARMALEONTE");
  EXPECT_EQ(page.chainage_rows,
            (std::vector<std::string>{
                "8.450chainage change: from here the chainage is 3.600 km, counting up",
                "81.200chainage change: from here the chainage is 96.000 km, counting down"}));
  for (const char* fact :
       {"96.000 km, TOLVO to SARMALEONTE", "R31474: 3 cars, braked mass 120 %, clock 17:16:30",
        "18 stations, 11 with a stop mark", "steepest climb +27 \xE2\x80\xB0",
        "steepest fall \xE2\x88\x92"
        "23 \xE2\x80\xB0",
        "80 km/h", "signal 23, speed indicator 1, station stop 11"}) {
    EXPECT_NE(page.text.find(fact), std::string::npos) << fact;
  }
}

TEST(ReportCommand, ATinyHandWrittenScenario) {
  TempDir tmp;
  compile_tiny(tmp, "out");
  const Result r = scengen("report out -o page.html", tmp.path());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(std::filesystem::exists(tmp / "out/Prova_R1.html"));
  const std::string html = read_file(tmp / "page.html");
  const Page page = check_page(html);
  expect_sound_page(html, page);
  EXPECT_EQ(page.timetable,
            (std::vector<std::vector<std::string>>{
                {"1", "0.000", "ALFA", "2", "-0.300 to 0.300", "1 s", "08:00:00"},
                {"2", "2.500", "BETA", "2", "2.200 to 2.800", "\xE2\x80\x94", "08:05:00"}}));
  // "curvad4, 500, 300" turns clockwise by 0.001 a metre; 5 per mille over
  // 3000 m climbs 15 m.
  for (const char* fact :
       {"1 curve (0 to the left, 1 to the right), 0.300 km in curve, tightest radius 1000 m",
        "end +15 m", "60 km/h", "(Galleria )(PICCOLA)( 200 m. )", "start km 0.000",
        "end km 3.000"}) {
    EXPECT_NE(page.text.find(fact), std::string::npos) << fact;
  }
}

TEST(ReportCommand, WithoutAPlanTheMapSaysSo) {
  TempDir tmp;
  compile_tiny(tmp, "out", "--no-plan");
  ASSERT_EQ(scengen("report out", tmp.path()).status, 0);
  const std::string html = read_file(tmp / "out/Prova_R1.html");
  const Page page = check_page(html);
  expect_sound_page(html, page);
  EXPECT_NE(page.text.find("No map: there is no line plan Prova_linea.dat in out (a compile with "
                           "--no-plan writes none)."),
            std::string::npos);
  EXPECT_NE(page.text.find("Curves no track plan"), std::string::npos);
  EXPECT_EQ(page.timetable.size(), 2u);

  // A plan of another compile is not drawn over this route.
  ASSERT_EQ(scengen("--out carried", tmp.path()).status, 0);
  std::filesystem::copy_file(tmp / "carried/Tolvo_Sarmaleonte_linea.dat",
                             tmp / "out/Prova_linea.dat");
  ASSERT_EQ(scengen("report out", tmp.path()).status, 0);
  EXPECT_NE(check_page(read_file(tmp / "out/Prova_R1.html"))
                .text.find("No map: the line plan is of a route of 96000 m and the item file "
                           "gives 3000 m: the plan is not of this compile."),
            std::string::npos);
}

// Which scenario a folder holds, and what stops the report: exit status 2,
// one line on stderr, nothing on stdout and no page.
TEST(ReportCommand, WhatItRefuses) {
  TempDir tmp;
  compile_tiny(tmp, "two");
  ASSERT_EQ(
      scengen("compile Prova_linea.txt Prova_R1-.txt --out two --train R2", tmp.path()).status, 0);
  compile_tiny(tmp, "renamed", "--no-plan");
  for (const char* ext : {".sim", ".dat"}) {
    std::filesystem::rename(tmp / ("renamed/Prova_R1" + std::string(ext)),
                            tmp / ("renamed/Altro_X_R1" + std::string(ext)));
  }
  compile_tiny(tmp, "mixed");
  ASSERT_EQ(scengen("--out carried", tmp.path()).status, 0);
  std::filesystem::copy_file(tmp / ("carried/" + kCarried + ".dat"), tmp / "mixed/Prova_R1.dat",
                             std::filesystem::copy_options::overwrite_existing);
  compile_tiny(tmp, "cut");
  write_file(tmp / "cut/Prova_R1.sim", read_file(tmp / "cut/Prova_R1.sim").substr(0, 100));
  std::filesystem::create_directory(tmp / "empty");
  write_file(tmp / "a_file", "");

  const struct {
    std::string args;
    std::string error;
  } cases[] = {
      {"report none", "cannot read folder none: No such file or directory"},
      {"report a_file", "cannot read folder a_file: Not a directory"},
      {"report empty", "no compiled scenario in empty: expected NAME_CODE.sim and NAME_CODE.dat"},
      {"report two",
       "two holds 2 compiled scenarios (Prova_R1, Prova_R2): choose one with --scenario and "
       "--train"},
      {"report two --scenario Altro",
       "no compiled scenario in two for --scenario Altro: expected NAME_CODE.sim and "
       "NAME_CODE.dat"},
      {"report two --scenario Prova --train R3",
       "no compiled scenario in two for --scenario Prova and --train R3: expected NAME_CODE.sim "
       "and NAME_CODE.dat"},
      {"report renamed",
       "cannot tell the scenario name from the train code in Altro_X_R1.sim, which holds the "
       "names 'Prova' and 'R1': give --scenario or --train"},
      {"report mixed",
       "mixed/Prova_R1.sim and mixed/Prova_R1.dat: the cell file has 2061 cells, and a route of "
       "3000 m has 201: the two files are not of one compile"},
      {"report cut",
       "cut/Prova_R1.sim: truncated item file: item 2 at byte 72 needs 4 bytes of text and 18 "
       "after it, only 12 are left"},
      {"report two --train R1 -o two/Prova_R1.dat",
       "the report two/Prova_R1.dat would replace the compiled file two/Prova_R1.dat"},
      {"report two --train R1 -o a_file/page.html",
       "cannot write a_file/page.html: Not a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const Result r = scengen(c.args, tmp.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "scengen: " + c.error + "\n");
  }
  for (const char* dir : {"two", "renamed", "mixed", "cut", "empty"}) {
    for (const auto& entry : std::filesystem::directory_iterator(tmp / dir)) {
      EXPECT_NE(entry.path().extension(), ".html") << entry.path();
    }
  }

  // The options choose; NAME and CODE split where the options say.
  EXPECT_EQ(scengen("report two --train R2", tmp.path()).status, 0);
  EXPECT_TRUE(std::filesystem::exists(tmp / "two/Prova_R2.html"));
  EXPECT_EQ(scengen("report renamed --scenario Altro_X", tmp.path()).status, 0);
  EXPECT_TRUE(std::filesystem::exists(tmp / "renamed/Altro_X_R1.html"));
  EXPECT_EQ(scengen("report renamed --train R1", tmp.path()).status, 0);
}

// The page in a real browser: headless Chromium renders it to a screenshot
// with nothing in its console, and the screenshot shows a drawing. CI
// installs Chromium; elsewhere the test is skipped without it, and in CI
// (CI set) a missing browser fails it.
TEST(ReportInBrowser, ChromiumRendersTheCarriedReport) {
  const char* browser = "/usr/bin/chromium";
  if (!std::filesystem::exists(browser)) {
    if (std::getenv("CI") != nullptr) FAIL() << browser << " is missing; CI must install it";
    GTEST_SKIP() << browser << " is not installed";
  }
  TempDir tmp;
  ASSERT_EQ(scengen("--out out", tmp.path()).status, 0);
  ASSERT_EQ(scengen("report out", tmp.path()).status, 0);
  const std::filesystem::path page = tmp / ("out/" + kCarried + ".html");
  const Result r = run(
      "timeout",
      "120 " + std::string(browser) +
          " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
          " --disable-background-networking --disable-component-update --disable-sync"
          " --user-data-dir=" +
          quoted(tmp / "profile") +
          " --enable-logging=stderr --log-level=0 --hide-scrollbars --window-size=1100,2400"
          " --screenshot=" +
          quoted(tmp / "shot.png") + " " + quoted(std::filesystem::path("file://" + page.string())),
      tmp.path());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.find(":CONSOLE"), std::string::npos) << r.err;

  testing::Image shot;
  ASSERT_TRUE(testing::read_png((tmp / "shot.png").string(), &shot));
  ASSERT_EQ(shot.width, 1100);
  ASSERT_EQ(shot.height, 2400);
  // Not blank: a fair share of the page is drawn, and the mountain spans'
  // orange (#E69F00) and the stations' blue (#0072B2) are there.
  size_t inked = 0, orange = 0, blue = 0;
  for (size_t i = 0; i + 2 < shot.rgb.size(); i += 3) {
    const int r8 = shot.rgb[i], g8 = shot.rgb[i + 1], b8 = shot.rgb[i + 2];
    inked += r8 + g8 + b8 < 3 * 235;
    orange += std::abs(r8 - 0xE6) < 24 && std::abs(g8 - 0x9F) < 24 && std::abs(b8 - 0x00) < 24;
    blue += std::abs(r8 - 0x00) < 24 && std::abs(g8 - 0x72) < 24 && std::abs(b8 - 0xB2) < 24;
  }
  const size_t pixels = shot.rgb.size() / 3;
  EXPECT_GT(inked, pixels / 20);
  EXPECT_GT(orange, 1000u);
  EXPECT_GT(blue, 200u);
}

}  // namespace
}  // namespace scengen
