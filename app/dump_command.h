#pragma once

// `scengen dump FILE`: one compiled file decoded with the model's field
// names. The kind is told by the name, as the compile names them:
// NAME_linea.dat is a line plan, NAME_CODE.sim an item file, any other .dat
// a cell file.
//
//   cell file   one row per cell that is not plain (kind 0 with all value
//               words 0); --all: every cell
//   item file   every item that is not empty, labelled station, caption,
//               chainage change, general, scenario or train
//   line plan   a summary (metres, tags, extent) and the coordinates every
//               100 m, or every N m with --every N
//
// With --json every row is a JSON object on a line of its own, after one
// line that describes the file.

#include <ostream>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "app/compiled_files.h"

namespace scengen {

// False, with *err naming the file and what is wrong, when it cannot be read
// or is not what its name says: a truncated, oversized or foreign file.
bool dump_command(const CommandLine& cl, std::ostream& out, std::string* err);

struct DumpOptions {
  bool json = false;
  bool all = false;     // cell file: every cell
  int64_t every = 100;  // line plan: metres between rows, at least 1
};

// The same for bytes at hand: `bytes` decoded as a file of `kind` named
// `file`. False, with *err naming the file, when they are not one.
bool dump_bytes(CompiledKind kind, const std::string& file, std::string_view bytes,
                const DumpOptions& options, std::ostream& out, std::string* err);

}  // namespace scengen
