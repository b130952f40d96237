#pragma once

// `scengen report DIR`: the scenario compiled into DIR drawn as one HTML
// page (see html_report.h), written to NAME_CODE.html in DIR or to -o FILE.
//
// DIR must hold NAME_CODE.sim and NAME_CODE.dat; NAME_linea.dat is drawn
// when it is there (a compile with --no-plan leaves none). When DIR holds
// the files of several scenarios, --scenario and --train choose one. NAME
// and CODE are told apart by the item file, which holds both, or by the
// options.

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "compiler/track_model.h"

namespace scengen {

struct ReportFiles {
  std::string scenario_name;
  std::string train_code;
  std::filesystem::path item_table;    // DIR/NAME_CODE.sim
  std::filesystem::path cell_array;    // DIR/NAME_CODE.dat
  std::filesystem::path line_plan;     // DIR/NAME_linea.dat, which may not exist
  std::array<Item, kItemCount> items;  // the item file, read
};

// The one scenario in `dir` that the names given (if any) fit. False, with
// *err, when there is none, or more than one, or the folder or the item
// file cannot be read.
// The names come from the options, or else from the item file's texts.
bool find_report_files(const std::filesystem::path& dir,
                       const std::optional<std::string>& scenario_name,
                       const std::optional<std::string>& train_code, ReportFiles* files,
                       std::string* err);

// False, with *err naming the file and the fault, when a compiled file
// cannot be read or decoded or the page cannot be written.
bool report_command(const CommandLine& cl, std::string* err);

}  // namespace scengen
