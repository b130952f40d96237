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

}  // namespace scengen
