#pragma once

// The compile step of a run, memorizza_percorso(j):
//
//   1. plan_enabled := j, error_code := 0, the diagnostics emptied
//   2. the 87 items cleared
//   3. the parser reads the line text and the train text (deleting them)
//   4. the passes over the cells put in the reduction marks
//   5. the checks 1250 and 1251, the stamps 610 and 5121 and the two codes
//   6. the line plan file (only when j is not 0), the item file, the cell
//      file, in this order
//
// Errors the parser and the passes record do not stop it: the files are
// written from whatever the model holds, and the caller reports them from
// model.diagnostics.

#include <cstdint>
#include <string>

#include "compiler/source_texts.h"
#include "compiler/track_model.h"
#include "output/compiled_outputs.h"

namespace scengen {

enum class CompileEnd {
  kWritten,      // the data files are written; the diagnostics say whether cleanly
  kNoCells,      // the parser stopped before the cells existed: nothing to pass over or write
  kFatal,        // a final check failed: no data file written
  kWriteFailed,  // a data file could not be written; the ones before it stay written
};

struct CompileResult {
  CompileEnd end = CompileEnd::kWritten;
  std::string fatal;        // kFatal: the check's number, "1250" or "1251"
  std::string write_error;  // kWriteFailed: which file and why
};

// Expects scenario_name and train_code set in the model.
CompileResult memorizza_percorso(const int32_t& j, TrackModel& model, SourceTexts& texts,
                                 CompiledOutputs& outputs);

}  // namespace scengen
