#include "app/compiled_files.h"

#include "app/input_file.h"
#include "output/cell_file.h"
#include "output/item_file.h"

namespace scengen {
namespace {

uint64_t max_size(CompiledKind kind) {
  switch (kind) {
    case CompiledKind::kCellArray:
      return static_cast<uint64_t>(kMaxCells) * kCellRecordSize;
    case CompiledKind::kItemTable:
      return kMaxItemFileSize;
    case CompiledKind::kLinePlan:
      break;
  }
  return kMaxLinePlanFileSize;
}

}  // namespace

bool read_compiled_bytes(const std::filesystem::path& path, CompiledKind kind, std::string* bytes,
                         std::string* err) {
  const std::string file = path.string();
  std::string reason;
  uint64_t size = 0;
  switch (read_input_file(path, max_size(kind), bytes, &size, &reason)) {
    case InputRead::kFailed:
      *err = "cannot read " + file + ": " + reason;
      return false;
    case InputRead::kTooLarge:
      *err = file + ": too large for " + compiled_kind_name(kind) + ": " + std::to_string(size) +
             " bytes, at most " + std::to_string(max_size(kind));
      return false;
    case InputRead::kOk:
      break;
  }
  return true;
}

const char* compiled_kind_name(CompiledKind kind) {
  switch (kind) {
    case CompiledKind::kCellArray:
      return "a cell file";
    case CompiledKind::kItemTable:
      return "an item file";
    case CompiledKind::kLinePlan:
      break;
  }
  return "a line plan";
}

bool compiled_kind_of(const std::filesystem::path& path, CompiledKind* kind) {
  const std::string name = path.filename().string();
  if (name.ends_with("_linea.dat")) {
    *kind = CompiledKind::kLinePlan;
  } else if (name.ends_with(".sim")) {
    *kind = CompiledKind::kItemTable;
  } else if (name.ends_with(".dat")) {
    *kind = CompiledKind::kCellArray;
  } else {
    return false;
  }
  return true;
}

bool read_cell_file(const std::filesystem::path& path, std::vector<Cell>* cells, size_t* size,
                    std::string* err) {
  std::string bytes, reason;
  if (!read_compiled_bytes(path, CompiledKind::kCellArray, &bytes, err)) return false;
  *size = bytes.size();
  if (read_cell_array(bytes, cells, &reason)) return true;
  *err = path.string() + ": " + reason;
  return false;
}

bool read_item_file(const std::filesystem::path& path, std::array<Item, kItemCount>* items,
                    size_t* size, std::string* err) {
  std::string bytes, reason;
  if (!read_compiled_bytes(path, CompiledKind::kItemTable, &bytes, err)) return false;
  *size = bytes.size();
  if (read_item_table(bytes, items, &reason)) return true;
  *err = path.string() + ": " + reason;
  return false;
}

bool read_plan_file(const std::filesystem::path& path, LinePlan* plan, size_t* size,
                    std::string* err) {
  std::string bytes, reason;
  if (!read_compiled_bytes(path, CompiledKind::kLinePlan, &bytes, err)) return false;
  *size = bytes.size();
  if (read_line_plan(bytes, plan, &reason)) return true;
  *err = path.string() + ": " + reason;
  return false;
}

const char* cell_kind_name(uint8_t kind) {
  switch (kind) {
    case kPlain:
      return "plain";
    case kSignal:
      return "signal";
    case kSlowdownEnd:
      return "slowdown end";
    case kSlowdownStart:
      return "slowdown start";
    case kSlowdownWarning:
      return "slowdown warning";
    case kSlowdownApproach:
      return "slowdown approach";
    case kSpeedIndicator:
      return "speed indicator";
    case kStationStop:
      return "station stop";
    case kMountainMarker:
      return "mountain marker";
    case kReductionMark:
      return "reduction mark";
    case kReductionMarkWithoutValue:
      return "reduction mark without value";
    case kCaption:
      return "caption";
  }
  return "?";
}

const char* item_label(size_t index, const Item& item) {
  if (index == 0) return "unused";
  if (index >= kChainageItemFirst && index < kGeneralItem) return "chainage change";
  if (index == kGeneralItem) return "general";
  if (index == kBackgroundItem) return "scenario";
  if (index == kRepetitionItem) return "train";
  Item text_only;
  text_only.text = item.text;
  return item == text_only ? "caption" : "station";
}

}  // namespace scengen
