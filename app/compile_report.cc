#include "app/compile_report.h"

#include "output/error_report.h"

namespace scengen {

ExitStatus report_compile(const CompileResult& result, const TrackModel& model, Console& console,
                          std::string* err) {
  for (const Diagnostic& d : model.diagnostics) console.report(format_diagnostic(d));
  return compile_end(result, model, console, err);
}

ExitStatus compile_end(const CompileResult& result, const TrackModel& model, Console& console,
                       std::string* err) {
  err->clear();
  switch (result.end) {
    case CompileEnd::kWritten:
      return model.diagnostics.empty() ? ExitStatus::kOk : ExitStatus::kCompileErrors;
    case CompileEnd::kNoCells:
      *err = "the line has no cells to compile: no data file written";
      return ExitStatus::kStopped;
    case CompileEnd::kFatal:
      console.report(errore_message(result.fatal));
      return ExitStatus::kStopped;
    case CompileEnd::kWriteFailed:
      *err = result.write_error;
      return ExitStatus::kStopped;
  }
  *err = "internal error: unknown end of the compile";
  return ExitStatus::kStopped;
}

}  // namespace scengen
