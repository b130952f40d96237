#include "app/compile_command.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "app/compile_report.h"
#include "app/file_names.h"
#include "app/input_file.h"
#include "app/json_line.h"
#include "compiler/source_texts.h"
#include "compiler/track_model.h"
#include "output/compile.h"
#include "output/compiled_outputs.h"
#include "output/error_report.h"

namespace scengen {
namespace {

// NAME and CODE from the options, or else from the names of the texts.
bool resolve_names(const CommandLine& cl, ScenarioNames* names, std::string* err) {
  const std::filesystem::path line_text = cl.inputs[0];
  const std::filesystem::path train_text = cl.inputs[1];
  if (cl.scenario_name) {
    names->scenario_name = *cl.scenario_name;
  } else if (auto name = scenario_name_of(line_text)) {
    names->scenario_name = *name;
  } else {
    *err = "missing --scenario: the line text '" + line_text.string() +
           "' is not named NAME_linea.txt (see scengen --help)";
    return false;
  }
  if (cl.train_code) {
    names->train_code = *cl.train_code;
  } else if (auto code = train_code_of(train_text, names->scenario_name)) {
    names->train_code = *code;
  } else {
    *err = "missing --train: the train text '" + train_text.string() + "' is not named " +
           names->scenario_name + "_CODE-.txt (see scengen --help)";
    return false;
  }
  return true;
}

// The author's texts are never written: refuse an output that is one of them.
// Nor may one output replace another: the train code "linea" would give the
// cell file the line plan's name, and the plan would be lost.
bool check_outputs_spare_inputs(const OutputFiles& files, const CommandLine& cl, std::string* err) {
  if (files.cell_array == files.line_plan) {
    *err = "the train code 'linea' would give the cell file the line plan's name " +
           files.line_plan.string() + ": choose another with --train";
    return false;
  }
  for (const auto* output : {&files.line_plan, &files.item_table, &files.cell_array}) {
    for (const std::string& input : cl.inputs) {
      std::error_code ec;
      if (std::filesystem::equivalent(*output, input, ec)) {
        *err = "the output " + output->string() + " would replace the input " + input;
        return false;
      }
    }
  }
  return true;
}

std::string json_diagnostic(const Diagnostic& d) {
  std::string message = error_description(d.code);
  if (!d.detail.empty()) message += ": " + d.detail;
  JsonLine line;
  line.number("code", d.code);
  line.number("position",
              d.position ? std::optional<int64_t>(*d.position) : std::optional<int64_t>());
  if (d.file.empty()) {
    line.null("file");
  } else {
    line.text("file", d.file);
  }
  line.number("line", d.line > 0 ? std::optional<int64_t>(d.line) : std::optional<int64_t>());
  line.text("message", message);
  return line.line();
}

// 1250 or 1251 when a final check stopped the compile.
std::optional<int64_t> fatal_check(const CompileResult& result) {
  int64_t number = 0;
  const std::string& f = result.fatal;
  if (result.end != CompileEnd::kFatal ||
      std::from_chars(f.data(), f.data() + f.size(), number).ec != std::errc()) {
    return std::nullopt;
  }
  return number;
}

}  // namespace

ExitStatus compile_command(const CommandLine& cl, Console& console, std::ostream& out,
                           std::string* err) {
  ScenarioNames names;
  if (!resolve_names(cl, &names, err)) return ExitStatus::kStopped;

  // Both texts are read whole before anything is written.
  std::string line_text, train_text;
  if (!read_source_text(cl.inputs[0], &line_text, err) ||
      !read_source_text(cl.inputs[1], &train_text, err)) {
    return ExitStatus::kStopped;
  }

  const std::filesystem::path dir = cl.out_dir.value_or(".");
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    *err = "cannot create folder " + dir.string() + ": " + ec.message();
    return ExitStatus::kStopped;
  }
  const OutputFiles files = output_files(dir, names);
  if (!check_outputs_spare_inputs(files, cl, err)) return ExitStatus::kStopped;

  TrackModel model;
  model.scenario_name = names.scenario_name;
  model.train_code = names.train_code;
  // Held in memory: where the compiler deletes a text it has read, only the
  // copy goes.
  MemorySourceTexts texts(std::move(line_text), std::move(train_text), cl.inputs[0], cl.inputs[1]);
  FileOutputs outputs(files.line_plan, files.item_table, files.cell_array);
  const int32_t j = cl.no_plan ? 0 : 1;
  const CompileResult result = memorizza_percorso(j, model, texts, outputs);

  if (!cl.json) return report_compile(result, model, console, err);

  for (const Diagnostic& d : model.diagnostics) out << json_diagnostic(d);
  std::vector<std::string> written;
  for (const auto& path : outputs.written()) written.push_back(path.string());
  out << JsonLine()
             .number("error_code", model.error_code)
             .number("error_position", model.error_position)
             .number("fatal", fatal_check(result))
             .texts("files_written", written)
             .line();
  return compile_end(result, model, console, err);
}

}  // namespace scengen
