#include "fuzz/fuzz_checks.h"

#include <cstring>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "app/dump_command.h"
#include "compiler/item_reader.h"
#include "compiler/source_texts.h"
#include "output/cell_file.h"
#include "output/compiled_outputs.h"
#include "output/error_report.h"
#include "output/item_file.h"
#include "output/line_plan_file.h"

namespace scengen::fuzz {
namespace {

// Bytes of a plan element in the file, by its tag.
size_t element_size(PlanTag tag) {
  return tag == PlanTag::kEmpty ? 2 : tag == PlanTag::kInt16 ? 4 : 10;
}

std::string check_written(const TrackModel& model, MemoryOutputs& outputs, int32_t j) {
  if (model.last_cell < 0 || model.cells.size() != static_cast<size_t>(model.last_cell) + 1) {
    return "cells 0..last_cell";
  }
  const std::string& cell_file = outputs.files[OutputKind::kCellArray];
  if (cell_file.size() != model.cells.size() * kCellRecordSize) return "15 bytes a cell";
  size_t texts = 0;
  for (const Item& item : model.items) texts += item.text.size();
  const std::string& item_file = outputs.files[OutputKind::kItemTable];
  if (item_file.size() != kItemCount * kItemFixedSize + texts) {
    return "34 bytes and its text an item";
  }

  std::string err;
  std::vector<Cell> cells;
  if (!read_cell_array(cell_file, &cells, &err)) return "the cell file reads back: " + err;
  if (cells != model.cells) return "the cell file holds the cells";
  std::array<Item, kItemCount> items;
  if (!read_item_table(item_file, &items, &err)) return "the item file reads back: " + err;
  if (items != model.items) return "the item file holds the items";

  const bool plan_written = outputs.files.count(OutputKind::kLinePlan) != 0;
  if (plan_written != (j != 0)) return "a plan file exactly when the plan is enabled";
  if (!plan_written) return "";
  const std::string& plan_file = outputs.files[OutputKind::kLinePlan];
  const size_t elements = 2 * (static_cast<size_t>(model.plan_last_metre) + 1);
  if (model.track_plan.size() != elements) return "two coordinates of metres 0..plan_last_metre";
  size_t bytes = 0;
  for (size_t i = 0; i < elements; ++i) bytes += element_size(model.track_plan[i].tag);
  if (plan_file.size() != bytes) return "the plan file's size follows its tags";
  LinePlan plan;
  if (!read_line_plan(plan_file, &plan, &err)) return "the plan file reads back: " + err;
  if (plan.values.size() != elements) return "every element in the plan file";
  for (size_t i = 0; i < elements; ++i) {
    const PlanValue a = plan.values[i], b = model.track_plan[i];
    if (a.tag != b.tag) return "the plan file holds the plan's tags";
    if (a.tag != PlanTag::kEmpty && std::memcmp(&a.value, &b.value, sizeof a.value) != 0) {
      return "the plan file holds the plan, bit for bit";
    }
  }
  return "";
}

}  // namespace

std::string check_compile(std::string_view input, CompileRun* run) {
  const size_t first = input.find('\0');
  std::optional<std::string> line(std::string(input.substr(0, first)));
  std::optional<std::string> train;
  uint8_t flags = 0;
  if (first != std::string_view::npos) {
    const std::string_view rest = input.substr(first + 1);
    const size_t second = rest.find('\0');
    train = std::string(rest.substr(0, second));
    if (second != std::string_view::npos && second + 1 < rest.size()) {
      flags = static_cast<uint8_t>(rest[second + 1]);
    }
  }
  if (flags & 2) line.reset();
  const int32_t j = (flags & 1) ? 0 : 1;

  TrackModel& model = run->model;
  model = TrackModel();
  model.scenario_name = "Prova";
  model.train_code = "R1";
  MemorySourceTexts texts(std::move(line), std::move(train));
  MemoryOutputs outputs;
  run->result = memorizza_percorso(j, model, texts, outputs);

  for (const Diagnostic& d : model.diagnostics) {
    if (error_description(d.code) == "errore sconosciuto") {
      return "code " + std::to_string(d.code) + " recorded but not described";
    }
  }
  switch (run->result.end) {
    case CompileEnd::kWritten:
      return check_written(model, outputs, j);
    case CompileEnd::kNoCells:
    case CompileEnd::kFatal:
      return outputs.files.empty() ? "" : "nothing written when the compile stops";
    case CompileEnd::kWriteFailed:
      break;
  }
  return "memory outputs never fail";
}

std::string check_item_reader(std::string_view input) {
  if (input.empty()) return "";
  const auto kinds = static_cast<uint8_t>(input[0]);
  const std::string_view text = input.substr(1);
  size_t line_ends = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    line_ends +=
        text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
  }
  ItemReader reader(text);
  for (size_t reads = 0; !reader.eof(); ++reads) {
    if (reads > text.size()) return "every read that succeeds consumes a byte";
    bool ok = false;
    switch ((kinds >> (2 * (reads % 4))) & 3) {
      case 0: {
        std::string item;
        ok = reader.read_text(&item);
        if (ok && item.find_first_of("\r\n") != std::string::npos) {
          return "a text item holds no line end";
        }
        break;
      }
      case 1: {
        int32_t v;
        ok = reader.read_long(&v);
        break;
      }
      case 2: {
        int16_t v;
        ok = reader.read_word(&v);
        break;
      }
      default: {
        uint8_t v;
        ok = reader.read_byte(&v);
        break;
      }
    }
    if (reader.line() < 1 || static_cast<size_t>(reader.line()) > line_ends + 1) {
      return "the line of an item is one of the text's";
    }
    if (!ok) return reader.failure().empty() ? "a failed read says why" : "";
  }
  return "";
}

std::string check_dump(std::string_view input) {
  if (input.empty()) return "";
  const auto choice = static_cast<uint8_t>(input[0]);
  const CompiledKind kind = choice % 3 == 0   ? CompiledKind::kCellArray
                            : choice % 3 == 1 ? CompiledKind::kItemTable
                                              : CompiledKind::kLinePlan;
  DumpOptions options;
  options.json = (choice & 0x04) != 0;
  options.all = (choice & 0x08) != 0;
  options.every = (choice & 0x10) ? 1 : 97 * ((choice >> 5) + 1);

  std::ostringstream out;
  std::string err;
  if (!dump_bytes(kind, "f", input.substr(1), options, out, &err)) {
    if (err.empty() || err.find('\n') != std::string::npos) return "a refusal is one line";
    return out.str().empty() ? "" : "nothing printed for a file refused";
  }
  const std::string text = out.str();
  if (text.empty() || text.back() != '\n') return "whole lines";
  if (!options.json) return "";
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    const auto line = nlohmann::json::parse(text.substr(start, end - start), nullptr, false);
    if (line.is_discarded() || !line.is_object()) return "each line one JSON object";
  }
  return "";
}

}  // namespace scengen::fuzz
