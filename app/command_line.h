#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace scengen {

// Exit statuses of the program.
enum class ExitStatus : int {
  kOk = 0,             // the run completed with no error
  kCompileErrors = 1,  // the compile recorded errors; files written as far as the model allows
  kStopped = 2,        // usage error, a file that cannot be read or written, or a fatal check
};

enum class Action {
  kRun,      // the whole run: texts, compile, driver documents
  kTexts,    // the five carried texts only
  kCompile,  // an author's line and train texts into the three data files
  kDump,     // one compiled file, decoded
  kReport,   // one compiled scenario drawn as an HTML page
  kHelp,
  kVersion,
};

struct CommandLine {
  Action action = Action::kRun;
  std::optional<std::filesystem::path> out_dir;  // unset: the program's own folder
  // compile: the line text and the train text; dump: the file; report: the
  // folder.
  std::vector<std::string> inputs;
  std::optional<std::string> scenario_name;     // compile, report --scenario
  std::optional<std::string> train_code;        // compile, report --train
  std::optional<std::filesystem::path> output;  // report -o
  bool no_plan = false;                         // compile --no-plan
  bool json = false;                            // compile, dump --json
  bool all = false;                             // dump --all
  std::optional<int64_t> every;                 // dump --every: metres between plan rows
};

// Parses the arguments after the program name. On a usage error returns false
// and sets *err to a one-line message.
bool parse_command_line(const std::vector<std::string>& args, CommandLine* out, std::string* err);

// The text printed by --help: usage, the subcommand table, exit statuses.
std::string help_text();

}  // namespace scengen
