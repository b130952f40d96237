#pragma once

// The three compiled files read back, as `dump` and `report` read them: by
// the kind their name tells, refused before reading when larger than any
// compiled file of that kind, and decoded with the readers beside the
// writers. Also the names the tools give to what the files hold.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "compiler/track_model.h"
#include "output/line_plan_file.h"

namespace scengen {

enum class CompiledKind { kCellArray, kItemTable, kLinePlan };

// "a cell file", "an item file", "a line plan": as the messages say it.
const char* compiled_kind_name(CompiledKind kind);

// The kind a compiled file's name tells: NAME_linea.dat is a line plan,
// NAME_CODE.sim an item file, any other .dat a cell file. False for any
// other name.
bool compiled_kind_of(const std::filesystem::path& path, CompiledKind* kind);

// Reads a compiled file of `kind` whole, without decoding it. False, with
// *err naming the file, when it cannot be read or is larger than any file of
// that kind.
bool read_compiled_bytes(const std::filesystem::path& path, CompiledKind kind, std::string* bytes,
                         std::string* err);

// Each reads one file whole and decodes it. *size gets its size in bytes.
// False, with *err naming the file and what is wrong: it cannot be read,
// is too large for its kind, or is not what it should be.
bool read_cell_file(const std::filesystem::path& path, std::vector<Cell>* cells, size_t* size,
                    std::string* err);
bool read_item_file(const std::filesystem::path& path, std::array<Item, kItemCount>* items,
                    size_t* size, std::string* err);
bool read_plan_file(const std::filesystem::path& path, LinePlan* plan, size_t* size,
                    std::string* err);

// "signal", "station stop", …; "?" for a kind no cell has.
const char* cell_kind_name(uint8_t kind);

// The label of item `index`: unused, chainage change, general, scenario,
// train; in 1..80 a record that holds only a text is a caption, any other a
// station.
const char* item_label(size_t index, const Item& item);

}  // namespace scengen
