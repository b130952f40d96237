#include "app/file_names.h"

#include <gtest/gtest.h>

namespace scengen {
namespace {

TEST(FileNames, NamesFromAnAuthorsTexts) {
  const struct {
    std::string line_text;
    std::string train_text;
    std::optional<std::string> scenario;  // from the line text
    std::optional<std::string> code;      // from the train text, for scenario "S_T"
  } cases[] = {
      {"dir/S_T_linea.txt", "dir/S_T_R1-.txt", "S_T", "R1"},
      {"S_T_linea.txt", "S_T_R 1_x-.txt", "S_T", "R 1_x"},
      {"_linea.txt", "S_T_-.txt", std::nullopt, std::nullopt},  // an empty name or code
      {"S_linea.txt.bak", "S_T_R1.txt", std::nullopt, std::nullopt},
      {"linea.txt", "S_R1-.txt", std::nullopt, std::nullopt},            // another scenario's train
      {"S_linea.txt/", "dir/S_T_R1-.txt/", std::nullopt, std::nullopt},  // folders
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line_text + " " + c.train_text);
    EXPECT_EQ(scenario_name_of(c.line_text), c.scenario);
    EXPECT_EQ(train_code_of(c.train_text, "S_T"), c.code);
  }
  EXPECT_EQ(train_code_of("_R1-.txt", ""), std::nullopt);
}

}  // namespace
}  // namespace scengen
