#pragma once

// Names of every file a run writes or deletes. Each is the output folder and
// then the scenario name, for train files "_" and the train code, and a
// fixed ending. The train source text is the odd one: "-.txt", a hyphen
// where the other train files have "_" and a word.

#include <filesystem>
#include <optional>
#include <string>

namespace scengen {

struct ScenarioNames {
  std::string scenario_name = "Tolvo_Sarmaleonte";
  std::string train_code = "R31474";
};

struct OutputFiles {
  std::filesystem::path line_text;        // Tolvo_Sarmaleonte_linea.txt
  std::filesystem::path train_text;       // Tolvo_Sarmaleonte_R31474-.txt
  std::filesystem::path notes;            // Tolvo_Sarmaleonte_R31474_note.txt
  std::filesystem::path slowdown_notice;  // Tolvo_Sarmaleonte_R31474_rallentamenti.txt
  std::filesystem::path timetable_card;   // Tolvo_Sarmaleonte_R31474_scheda_treno.txt
  std::filesystem::path line_plan;        // Tolvo_Sarmaleonte_linea.dat
  std::filesystem::path item_table;       // Tolvo_Sarmaleonte_R31474.sim
  std::filesystem::path cell_array;       // Tolvo_Sarmaleonte_R31474.dat
};

OutputFiles output_files(const std::filesystem::path& dir, const ScenarioNames& names);

// The names an author's texts give by following the same convention:
// NAME of ".../NAME_linea.txt", and CODE of ".../NAME_CODE-.txt" for that
// NAME. Nothing when the file name does not follow it or either is empty.
std::optional<std::string> scenario_name_of(const std::filesystem::path& line_text);
std::optional<std::string> train_code_of(const std::filesystem::path& train_text,
                                         const std::string& scenario_name);

}  // namespace scengen
