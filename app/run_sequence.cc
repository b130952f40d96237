#include "app/run_sequence.h"

#include <system_error>

#include "app/file_names.h"
#include "scenario/text_writers.h"

namespace scengen {

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
    // The compile step comes here: it reads the line and train texts back,
    // deletes them, and writes the line plan, item table and cell array.
  }
  // Off the screen before any message or the shell prompt.
  console.clear_status();
  return status;
}

}  // namespace scengen
