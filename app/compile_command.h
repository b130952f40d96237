#pragma once

// `scengen compile LINE_TEXT TRAIN_TEXT`: an author's own texts through the
// same compiler as the carried run. The texts are read whole first and never
// deleted or changed; the three data files go to the output folder, named
// from the scenario name and the train code as in the run.

#include <ostream>
#include <string>

#include "app/command_line.h"
#include "app/console.h"

namespace scengen {

// Diagnostics go to the console, or with --json to `out` as JSON lines
// ending in a summary. Returns the exit status as the run does; when it
// stops, *err holds the message for main, or is empty when the console has
// said it all (a fatal check).
ExitStatus compile_command(const CommandLine& cl, Console& console, std::ostream& out,
                           std::string* err);

}  // namespace scengen
