#include "output/compile.h"

#include "compiler/parser.h"
#include "output/cell_file.h"
#include "output/final_passes.h"
#include "output/item_file.h"
#include "output/line_plan_file.h"
#include "output/scenario_codes.h"

namespace scengen {
namespace {

// Item 85's word_1 and cell 1's value_a must still be clear before they get
// the stamps 610 and 5121; item 85's number_4 and cell 1's value_b before
// they get the codes. A record the parser put there (a slowdown at metre 0,
// say) fails the check. Returns the failed check's number, or "".
std::string stamp_and_code(TrackModel& model) {
  Item& background = model.items[kBackgroundItem];
  Cell& cell_1 = model.cells[1];
  if (background.word_1 != 0 || cell_1.value_a != 0) return "1250";
  background.word_1 = 610;
  cell_1.value_a = 5121;
  if (background.number_4 != 0 || cell_1.value_b != 0) return "1251";
  background.number_4 = codice_gara_st(model);
  cell_1.value_b = static_cast<int16_t>(codice_gara_og(model));
  return "";
}

CompileResult write_failed(std::string err) {
  return {CompileEnd::kWriteFailed, "", std::move(err)};
}

}  // namespace

CompileResult memorizza_percorso(const int32_t& j, TrackModel& model, SourceTexts& texts,
                                 CompiledOutputs& outputs) {
  model.plan_enabled = j;
  model.error_code = 0;
  model.diagnostics.clear();
  clear_items(model);
  memorizza_dati(model, texts);

  // Without a route length there are no cells: nothing to pass over, stamp
  // or write.
  if (model.cells.size() < 2) return {CompileEnd::kNoCells, "", ""};

  cell_passes(model, texts.name(SourceKind::kTrainText));
  if (std::string fatal = stamp_and_code(model); !fatal.empty()) {
    return {CompileEnd::kFatal, fatal, ""};
  }

  std::string err;
  if (model.plan_enabled != 0) {
    const bool ok = outputs.write(
        OutputKind::kLinePlan,
        [&](ByteWriter& out, std::string*) {
          write_line_plan(model, out);
          return true;
        },
        &err);
    if (!ok) return write_failed(err);
  }
  if (!outputs.write(
          OutputKind::kItemTable,
          [&](ByteWriter& out, std::string* why) { return write_item_table(model, out, why); },
          &err)) {
    return write_failed(err);
  }
  if (!outputs.write(
          OutputKind::kCellArray,
          [&](ByteWriter& out, std::string*) {
            write_cell_array(model, out);
            return true;
          },
          &err)) {
    return write_failed(err);
  }
  return {};
}

}  // namespace scengen
