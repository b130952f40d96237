#pragma once

// How the end of a compile reaches the user: every recorded error as one
// line on the console, then the exit status. A failed final check prints
// its own message only (" Errore n. 1250") and stops the run.

#include <string>

#include "app/command_line.h"
#include "app/console.h"
#include "compiler/track_model.h"
#include "output/compile.h"

namespace scengen {

// Reports the model's diagnostics and turns the result into an exit status:
// 0 written cleanly, 1 written with errors, 2 stopped. When the run stops,
// *err holds the message for main to print, or is empty when the console
// has already said it all.
ExitStatus report_compile(const CompileResult& result, const TrackModel& model, Console& console,
                          std::string* err);

// The same without the diagnostics, for callers that give them another way
// (compile --json): the fatal message, *err and the exit status.
ExitStatus compile_end(const CompileResult& result, const TrackModel& model, Console& console,
                       std::string* err);

}  // namespace scengen
