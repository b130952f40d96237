#include "app/run_sequence.h"

#include <system_error>

#include "app/compile_report.h"
#include "app/file_names.h"
#include "compiler/source_texts.h"
#include "compiler/track_model.h"
#include "output/compile.h"
#include "output/compiled_outputs.h"
#include "scenario/text_writers.h"

namespace scengen {
namespace {

// The compile step: the line and train texts just written are read back
// (and deleted), and the line plan, item table and cell array written.
ExitStatus compile_step(const OutputFiles& files, const ScenarioNames& names, Console& console,
                        std::string* err) {
  TrackModel model;
  model.scenario_name = names.scenario_name;
  model.train_code = names.train_code;
  FileSourceTexts texts(files.line_text, files.train_text);
  FileOutputs outputs(files.line_plan, files.item_table, files.cell_array);
  const int32_t j = 1;  // with the line plan
  const CompileResult result = memorizza_percorso(j, model, texts, outputs);
  return report_compile(result, model, console, err);
}

}  // namespace

ExitStatus run_sequence(Action action, const std::filesystem::path& dir, Console& console,
                        std::string* err) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    *err = "cannot create folder " + dir.string() + ": " + ec.message();
    return ExitStatus::kStopped;
  }
  const ScenarioNames names;
  const OutputFiles files = output_files(dir, names);

  console.show_status(kWaitLabel);
  ExitStatus status = write_carried_texts(files, err) ? ExitStatus::kOk : ExitStatus::kStopped;
  if (status == ExitStatus::kOk && action == Action::kRun) {
    status = compile_step(files, names, console, err);
  }
  // Off the screen before any message or the shell prompt.
  console.clear_status();
  return status;
}

}  // namespace scengen
