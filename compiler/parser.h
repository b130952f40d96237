#pragma once

#include "compiler/source_texts.h"
#include "compiler/track_model.h"

namespace scengen {

// The parser: reads the line text and then the train text item by item into
// the model, deleting each once read. It reports only through error_code,
// error_position and the diagnostics; whatever it stored before an error
// stays in the model.
//
// Precondition: scenario_name, train_code and plan_enabled set, error_code 0,
// the items cleared.
void memorizza_dati(TrackModel& model, SourceTexts& texts);

}  // namespace scengen
