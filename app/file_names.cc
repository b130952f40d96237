#include "app/file_names.h"

namespace scengen {

OutputFiles output_files(const std::filesystem::path& dir, const ScenarioNames& names) {
  const std::string& s = names.scenario_name;
  const std::string train = s + "_" + names.train_code;
  OutputFiles f;
  f.line_text = dir / (s + "_linea.txt");
  f.train_text = dir / (train + "-.txt");
  f.notes = dir / (train + "_" + "note.txt");
  f.slowdown_notice = dir / (train + "_" + "rallentamenti.txt");
  f.timetable_card = dir / (train + "_" + "scheda_treno.txt");
  f.line_plan = dir / (s + "_linea.dat");
  f.item_table = dir / (train + ".sim");
  f.cell_array = dir / (train + ".dat");
  return f;
}

std::optional<std::string> scenario_name_of(const std::filesystem::path& line_text) {
  const std::string file = line_text.filename().string();
  const std::string ending = "_linea.txt";
  if (!file.ends_with(ending) || file.size() == ending.size()) return std::nullopt;
  return file.substr(0, file.size() - ending.size());
}

std::optional<std::string> train_code_of(const std::filesystem::path& train_text,
                                         const std::string& scenario_name) {
  const std::string file = train_text.filename().string();
  const std::string start = scenario_name + "_";
  const std::string ending = "-.txt";
  if (scenario_name.empty() || file.size() <= start.size() + ending.size() ||
      !file.starts_with(start) || !file.ends_with(ending)) {
    return std::nullopt;
  }
  return file.substr(start.size(), file.size() - start.size() - ending.size());
}

}  // namespace scengen
