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
  if (!write_carried_texts(files, err)) {
    console.clear_status();
    return ExitStatus::kStopped;
  }
  if (action == Action::kTexts) {
    console.clear_status();
    return ExitStatus::kOk;
  }
  // The compile step comes here: it reads the line and train texts back,
  // deletes them, and writes the line plan, item table and cell array.
  console.clear_status();
  return ExitStatus::kOk;
}

}  // namespace scengen
