#include "scenario/train_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace scengen {
namespace {

const std::vector<std::string>& T() { return train_text(); }

// Right-aligns every number to its width and joins them with single commas.
std::string columns(const std::vector<long>& values, const std::vector<int>& widths) {
  std::ostringstream out;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out << ',';
    std::string v = std::to_string(values[i]);
    out << std::string(widths[i] > static_cast<int>(v.size()) ? widths[i] - v.size() : 0, ' ') << v;
  }
  return out.str();
}

TEST(TrainText, FixedLinesStandAtTheirNumbers) {
  const std::pair<int, std::string> fixed[] = {
      {0, "[generale]"},
      {1, "numero vetture,    3"},
      {2, "percentuale massa frenata,    120"},
      {3, "sabbia,    300"},
      {4, "orologio,    17              16            30 "},
      {5, "[aderenze]"},
      {6, "aderenza,   0,    100"},
      {7, "[vel_limite]"},
      {8, "velocita,       0,    80"},
      {9, "[stazioni]"},
      {10, "stazione,       0,  2,  600,  1, 1, 0,  4,1,0,  2,1,1,    1,  17,17, 0, TOLVO"},
      {27, "stazione,   95900,  2,  500,  1, 0, 0,  1,1,0,  2,1,1,    0,  19,25, 0, SARMALEONTE"},
      {28, "[rallentamenti]"},
      {29, "[segnali]"},
      {30, "segnale,    6650,   1, 5, 1,  0, 0,    0,  0,0,0, 0"},
      {50, "segnale,   84000,   2, 4, 1,  0, 0,    2,  2,1,0, 0"},
      {53, "[codici]"},
      {54, "[fine]"},
  };
  for (const auto& [n, text] : fixed) {
    SCOPED_TRACE(n);
    EXPECT_EQ(T().at(n), text);
  }
}

TEST(TrainText, StationRows) {
  struct Station {
    std::vector<long> items;  // items 1 to 16
    std::size_t name_width;
  };
  const Station stations[18] = {
      {{0, 2, 600, 1, 1, 0, 4, 1, 0, 2, 1, 1, 1, 17, 17, 0}, 5},
      {{8450, 12, 300, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 17, 26, 0}, 16},
      {{10050, 28, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 17, 29, 0}, 10},
      {{12950, 22, 300, 0, 0, 0, 0, 0, 0, 4, 1, 1, 30, 17, 33, 0}, 9},
      {{19250, 22, 300, 0, 0, 1, 0, 0, 0, 4, 1, 1, 30, 17, 41, 0}, 8},
      {{28200, 12, 400, 1, 0, 1, 4, 1, 0, 2, 1, 1, 60, 18, 4, 0}, 6},
      {{38550, 22, 300, 0, 0, 0, 0, 0, 0, 4, 1, 1, 30, 18, 14, 0}, 7},
      {{46800, 22, 300, 0, 0, 0, 0, 0, 0, 4, 1, 1, 60, 18, 22, 0}, 5},
      {{50650, 27, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 18, 26, 0}, 9},
      {{54500, 12, 300, 1, 0, 1, 4, 1, 0, 2, 1, 1, 30, 18, 34, 0}, 18},
      {{67250, 22, 300, 0, 0, 0, 0, 0, 0, 4, 1, 1, 30, 18, 47, 0}, 13},
      {{74150, 12, 300, 1, 0, 0, 4, 1, 0, 2, 1, 1, 60, 19, 0, 0}, 14},
      {{78750, 28, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 11},
      {{82800, 28, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 19, 8, 0}, 18},
      {{83900, 26, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 14},
      {{84450, 27, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 19, 11, 0}, 6},
      {{91000, 28, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 19, 18, 0}, 6},
      {{95900, 2, 500, 1, 0, 0, 1, 1, 0, 2, 1, 1, 0, 19, 25, 0}, 11},
  };
  const std::vector<int> widths = {8, 3, 5, 3, 2, 2, 3, 1, 1, 3, 1, 1, 5, 4, 2, 2};
  for (int i = 0; i < 18; ++i) {
    const std::string& line = T().at(10 + i);
    SCOPED_TRACE(line);
    const std::string head = "stazione," + columns(stations[i].items, widths) + ", ";
    ASSERT_EQ(line.substr(0, head.size()), head);
    const std::string name = line.substr(head.size());
    EXPECT_EQ(name.size(), stations[i].name_width);
    EXPECT_EQ(name.find(','), std::string::npos);
    EXPECT_NE(name.front(), ' ');
    EXPECT_NE(name.back(), ' ');
    if (i == 14) {
      EXPECT_EQ(name, "P.M. Km 11.959");
    } else {
      for (char ch : name) EXPECT_FALSE(ch >= 'a' && ch <= 'z') << "capitals: " << name;
    }
  }
}

TEST(TrainText, SignalRowsInFull) {
  const std::vector<long> signals[23] = {
      {6650, 1, 5, 1, 0, 0, 0, 0, 0, 0, 0},  {7850, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},
      {11100, 1, 5, 1, 0, 0, 0, 0, 0, 0, 0}, {12100, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},
      {17400, 1, 5, 1, 0, 0, 0, 0, 0, 0, 0}, {18400, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},
      {26450, 1, 3, 4, 0, 0, 0, 0, 0, 0, 0}, {27700, 2, 2, 3, 0, 0, 0, 0, 0, 0, 0},
      {36600, 1, 5, 1, 0, 0, 0, 0, 0, 0, 0}, {37800, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},
      {45100, 1, 5, 1, 0, 0, 0, 0, 0, 0, 0}, {46100, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},
      {51850, 1, 3, 4, 0, 0, 0, 0, 0, 0, 0}, {53150, 2, 3, 2, 0, 0, 0, 0, 0, 0, 0},
      {65200, 1, 5, 1, 0, 0, 0, 0, 0, 0, 0}, {66450, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},
      {72250, 1, 3, 4, 0, 0, 0, 0, 0, 0, 0}, {73450, 2, 2, 3, 1, 0, 0, 0, 0, 0, 0},
      {82250, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0}, {83450, 2, 4, 1, 0, 0, 0, 0, 0, 0, 0},
      {84000, 2, 4, 1, 0, 0, 2, 2, 1, 0, 0}, {93950, 1, 3, 4, 0, 0, 0, 0, 0, 0, 0},
      {95000, 2, 2, 3, 0, 0, 0, 0, 0, 0, 0},
  };
  const std::vector<int> widths = {8, 4, 2, 2, 3, 2, 5, 3, 1, 1, 2};
  for (int i = 0; i < 23; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(T().at(30 + i), "segnale," + columns(signals[i], widths));
  }
}

}  // namespace
}  // namespace scengen
