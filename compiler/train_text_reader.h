#pragma once

#include "compiler/parse_context.h"

namespace scengen {

// The train-text half of memorizza_dati, after the line text: the train
// data, the line speed and adhesion by position, signals, slowdowns, speed
// reductions and stations, then the speed and adhesion tails and the check
// of the line text's chainage changes. Deletes the train text once read.
//
// kRead when it read to the end (a record past the cells, code 15, ends it
// early), kStopped after an error that ends the parse, kFailed for a
// run-time failure, which the caller's failure handler finishes.
ParseOutcome read_train_text(ParseContext& ctx);

}  // namespace scengen
