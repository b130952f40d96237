#include "scenario/timetable_card.h"

#include <gtest/gtest.h>

namespace scengen {
namespace {

const std::vector<std::string>& C() { return timetable_card(); }

TEST(TimetableCard, EmptyAndRepeatedLines) {
  ASSERT_EQ(C().size(), 38u);
  for (int n : {9, 35, 36}) EXPECT_EQ(C()[n], "") << n;
  EXPECT_EQ(C()[13], C()[34]);
  EXPECT_EQ(C()[16], C()[28]);
}

TEST(TimetableCard, FixedLinesStandAtTheirNumbers) {
  const std::pair<int, std::string> fixed[] = {
      {0, "  ___________________                                                  ______________"},
      {1, " |                   |                    SCHEDA                      |              |"},
      {2, " |   TRENO n. 31474  |                   da: TOLVO                    |    V140 C    |"},
      {3, " |___________________|                    a: SARMALEONTE              |     120%     |"},
      {4, "                                                                      |______________|"},
      {5, "  ___________________                ___________________ "},
      {6, " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |"},
      {7, " |     REGIONALE     |              |      250T         |"},
      {8, " |___________________|              |___________________|"},
      {10, "  ___________________________________________________________________________________"},
      {11,
       " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |      Orario       | Rec |"},
      {12,
       " | Lim.|Marc.|          |  Rs |                            |                   |     |"},
      {13,
       " |_____|_____|__________|_____|____________________________|___________________|_____|"},
      {14,
       " |  80 |  75 |   0.000  |     | TOLVO                      |             17.17 |     |"},
      {16,
       " |-----|-----|----------|-----|----------------------------|-------------------|-----|"},
      {37, "Nota: Nella colonna Orario il simbolo '+' indica 'mezzo minuto'."},
  };
  for (const auto& [n, text] : fixed) {
    SCOPED_TRACE(n);
    EXPECT_EQ(C().at(n), text);
  }
  // Header texts in their columns, counted from 1.
  const std::tuple<int, std::size_t, std::string> placed[] = {
      {1, 43, "SCHEDA"},         {2, 6, "TRENO n. 31474"}, {2, 42, "da: TOLVO"},
      {3, 43, "a: SARMALEONTE"}, {2, 76, "V140 C"},        {3, 77, "120%"},
  };
  for (const auto& [n, column, text] : placed) {
    EXPECT_EQ(C()[n].substr(column - 1, text.size()), text) << text;
  }
  EXPECT_EQ(C()[2][70], '|');
  EXPECT_EQ(C()[3][70], '|');
}

TEST(TimetableCard, EveryTimetableLineHasItsBarsInTheirColumns) {
  for (int n = 11; n <= 34; ++n) {
    SCOPED_TRACE(C()[n]);
    ASSERT_EQ(C()[n].size(), 86u);
    std::vector<std::size_t> bars;
    for (std::size_t i = 0; i < C()[n].size(); ++i) {
      if (C()[n][i] == '|') bars.push_back(i + 1);
    }
    EXPECT_EQ(bars, (std::vector<std::size_t>{2, 8, 14, 25, 31, 60, 80, 86}));
    EXPECT_EQ(C()[n][0], ' ');
  }
}

TEST(TimetableCard, StationRows) {
  struct Row {
    int line;
    const char* speed_1;  // cell 1, nullptr when blank
    const char* speed_2;
    const char* km;
    const char* arrival;
    const char* passing;
    const char* departure;
  };
  const Row rows[18] = {
      {14, "80", "75", "0.000", "", "", "17.17"},
      {15, nullptr, nullptr, "8.450", "17.25", "", "17.26"},
      {17, nullptr, nullptr, "13.650", "17.28+", "", "17.29"},
      {18, nullptr, "65", "16.550", "17.32+", "", "17.33"},
      {19, nullptr, nullptr, "22.900", "17.40+", "", "17.41"},
      {20, nullptr, "75", "31.800", "17.51", "", "18.04"},
      {21, nullptr, nullptr, "42.150", "18.13+", "", "18.14"},
      {22, nullptr, nullptr, "50.400", "18.21", "", "18.22"},
      {23, nullptr, nullptr, "54.250", "18.25+", "", "18.26"},
      {24, nullptr, nullptr, "58.100", "18.30", "", "18.34"},
      {25, nullptr, "70", "70.850", "18.46+", "", "18.47"},
      {26, nullptr, "75", "77.750", "18.55", "", "19.00"},
      {27, nullptr, nullptr, "82.350", "", "19.04+", ""},
      {29, nullptr, nullptr, "13.100", "19.07+", "", "19.08"},
      {30, nullptr, nullptr, "11.950", "", "19.09+", ""},
      {31, nullptr, nullptr, "11.400", "19.10+", "", "19.11"},
      {32, nullptr, nullptr, "4.900", "19.17+", "", "19.18"},
      {33, nullptr, nullptr, "0.000", "19.25", "", ""},
  };
  auto speed = [](const char* v) {
    if (v == nullptr) return std::string(5, ' ');
    std::string s(v);
    return std::string(4 - s.size(), ' ') + s + " ";
  };
  auto slot = [](std::string t) { return t + std::string(6 - t.size(), ' '); };
  for (const Row& r : rows) {
    const std::string& line = C()[r.line];
    SCOPED_TRACE(line);
    std::string km(r.km);
    EXPECT_EQ(line.substr(1, 30), "|" + speed(r.speed_1) + "|" + speed(r.speed_2) + "|" +
                                      std::string(8 - km.size(), ' ') + km + "  |     |");
    EXPECT_EQ(line.substr(59),
              "| " + slot(r.arrival) + slot(r.passing) + slot(r.departure) + "|     |");
    EXPECT_EQ(line[31], ' ');
    EXPECT_NE(line[32], ' ');
  }
  EXPECT_EQ(C()[30].substr(32, 14), "P.M. Km 11+959");
  EXPECT_EQ(C()[33].substr(32, 11), "SARMALEONTE");
}

}  // namespace
}  // namespace scengen
