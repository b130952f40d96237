#pragma once

#include <filesystem>
#include <string>

#include "app/command_line.h"
#include "app/console.h"

namespace scengen {

// One run into `dir`, in a fixed order: create the folder if missing, show
// the wait label, write the line text, the train text, the notes, the
// slowdown notice and the timetable card, then (for Action::kRun) compile
// into the line plan, item table and cell array. Compile diagnostics go to
// the console as they are found. Returns the exit status; when the run
// stops, *err holds the message, or is empty when the console has said it
// all (a fatal check).
ExitStatus run_sequence(Action action, const std::filesystem::path& dir, Console& console,
                        std::string* err);

}  // namespace scengen
