#include "app/report_command.h"

#include <algorithm>
#include <vector>

#include "app/compiled_files.h"
#include "app/html_report.h"
#include "app/scenario_view.h"
#include "output/replace_file.h"

namespace scengen {
namespace {

// The stems S of the files S.sim in `dir` that have S.dat beside them.
bool compiled_stems(const std::filesystem::path& dir, std::vector<std::string>* stems,
                    std::string* err) {
  std::error_code ec;
  std::filesystem::directory_iterator it(dir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::filesystem::path name = it->path().filename();
    if (name.extension() != ".sim" || !it->is_regular_file(ec)) continue;
    const std::string stem = name.stem().string();
    if (std::filesystem::is_regular_file(dir / (stem + ".dat"), ec)) stems->push_back(stem);
  }
  if (ec) {
    *err = "cannot read folder " + dir.string() + ": " + ec.message();
    return false;
  }
  std::sort(stems->begin(), stems->end());
  return true;
}

bool fits(const std::string& stem, const std::optional<std::string>& name,
          const std::optional<std::string>& code) {
  if (name && !(stem.size() > name->size() + 1 && stem.starts_with(*name + "_"))) return false;
  if (code && !(stem.size() > code->size() + 1 && stem.ends_with("_" + *code))) return false;
  return !(name && code) || stem == *name + "_" + *code;
}

std::string which(const std::optional<std::string>& name, const std::optional<std::string>& code) {
  std::string text;
  if (name) text += " for --scenario " + *name;
  if (code) text += std::string(name ? " and" : " for") + " --train " + *code;
  return text;
}

}  // namespace

bool find_report_files(const std::filesystem::path& dir,
                       const std::optional<std::string>& scenario_name,
                       const std::optional<std::string>& train_code, ReportFiles* files,
                       std::string* err) {
  std::vector<std::string> stems;
  if (!compiled_stems(dir, &stems, err)) return false;
  std::erase_if(stems, [&](const std::string& s) { return !fits(s, scenario_name, train_code); });
  if (stems.empty()) {
    *err = "no compiled scenario in " + dir.string() + which(scenario_name, train_code) +
           ": expected NAME_CODE.sim and NAME_CODE.dat";
    return false;
  }
  if (stems.size() > 1) {
    std::string list;
    for (const std::string& s : stems) list += (list.empty() ? "" : ", ") + s;
    *err = dir.string() + " holds " + std::to_string(stems.size()) + " compiled scenarios (" +
           list + "): choose one with --scenario and --train";
    return false;
  }
  const std::string& stem = stems[0];
  files->item_table = dir / (stem + ".sim");
  files->cell_array = dir / (stem + ".dat");
  // The item file is read here once: the report needs it, and it holds both
  // names, which the compile stored.
  size_t size = 0;
  if (!read_item_file(files->item_table, &files->items, &size, err)) return false;
  if (scenario_name) {
    files->scenario_name = *scenario_name;
    files->train_code = stem.substr(scenario_name->size() + 1);
  } else if (train_code) {
    files->train_code = *train_code;
    files->scenario_name = stem.substr(0, stem.size() - train_code->size() - 1);
  } else {
    const std::string& name = files->items[kBackgroundItem].text;
    const std::string& code = files->items[kRepetitionItem].text;
    if (stem != name + "_" + code) {
      *err = "cannot tell the scenario name from the train code in " + stem +
             ".sim, which holds the names '" + name + "' and '" + code +
             "': give --scenario or --train";
      return false;
    }
    files->scenario_name = name;
    files->train_code = code;
  }
  files->line_plan = dir / (files->scenario_name + "_linea.dat");
  return true;
}

bool report_command(const CommandLine& cl, std::string* err) {
  const std::filesystem::path dir = cl.inputs.at(0);
  ReportFiles files;
  if (!find_report_files(dir, cl.scenario_name, cl.train_code, &files, err)) return false;

  std::vector<Cell> cells;
  size_t size = 0;
  if (!read_cell_file(files.cell_array, &cells, &size, err)) return false;
  ScenarioView view;
  std::string reason;
  if (!view_scenario(cells, files.items, &view, &reason)) {
    *err = files.item_table.string() + " and " + files.cell_array.string() + ": " + reason;
    return false;
  }

  ReportSources sources;
  sources.files = {files.item_table.filename().string(), files.cell_array.filename().string()};
  LinePlan plan;
  const LinePlan* drawn = nullptr;
  std::error_code ec;
  if (std::filesystem::exists(files.line_plan, ec)) {
    if (!read_plan_file(files.line_plan, &plan, &size, err)) return false;
    drawn = &plan;
    sources.files.push_back(files.line_plan.filename().string());
  } else {
    sources.no_plan = "there is no line plan " + files.line_plan.filename().string() + " in " +
                      dir.string() + " (a compile with --no-plan writes none)";
  }

  const std::filesystem::path target =
      cl.output.value_or(dir / (files.scenario_name + "_" + files.train_code + ".html"));
  for (const auto* input : {&files.item_table, &files.cell_array, &files.line_plan}) {
    if (std::filesystem::equivalent(target, *input, ec)) {
      *err =
          "the report " + target.string() + " would replace the compiled file " + input->string();
      return false;
    }
  }
  return replace_file(target, html_report(view, drawn, sources), err);
}

}  // namespace scengen
