#pragma once

// What each fuzz target does with one input, and the invariants it checks
// afterwards. The targets abort on the first broken invariant; the ordinary
// test suite runs the seed corpus and every input a fuzzer ever broke
// through the same functions. Each returns the broken invariant, or an empty
// string when all hold.

#include <string>
#include <string_view>

#include "compiler/track_model.h"
#include "output/compile.h"

namespace scengen::fuzz {

// The whole compile, in memory. The input is
//
//   LINE \0 TRAIN [\0 FLAGS]     no NUL at all: the train text is missing
//
// FLAGS bit 0: compile without the plan (j = 0); bit 1: no line text. After
// the compile every cell and item index is in range, each cell takes 15
// bytes and each item 34 plus its text, the plan file's size follows the
// plan's tags, and each file reads back as the model holds it.
struct CompileRun {
  TrackModel model;
  CompileResult result;
};
std::string check_compile(std::string_view input, CompileRun* run);

// The item reader alone: the first byte chooses the kind of each read, two
// bits a read in turn (text, 32-bit, 16-bit, 8-bit number); the rest is the
// text. Every read that succeeds consumes a byte, so the reads end.
std::string check_item_reader(std::string_view input);

// `dump` on arbitrary bytes: the first byte chooses the kind (cell file,
// item file, line plan) and the options. Dump decodes the rest or refuses it
// in one line; what it prints is whole lines, with --json each one JSON
// object.
std::string check_dump(std::string_view input);

}  // namespace scengen::fuzz
