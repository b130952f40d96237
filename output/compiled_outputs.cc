#include "output/compiled_outputs.h"

namespace scengen {

const std::filesystem::path& FileOutputs::path(OutputKind kind) const {
  switch (kind) {
    case OutputKind::kLinePlan:
      return line_plan_;
    case OutputKind::kItemTable:
      return item_table_;
    case OutputKind::kCellArray:
      break;
  }
  return cell_array_;
}

bool FileOutputs::write(OutputKind kind, const ProduceBytes& produce, std::string* err) {
  if (!replace_file(path(kind), produce, err)) return false;
  written_.push_back(path(kind));
  return true;
}

bool MemoryOutputs::write(OutputKind kind, const ProduceBytes& produce, std::string* err) {
  std::string bytes;
  ByteWriter out([&bytes](std::string_view block) { bytes.append(block); });
  if (!produce(out, err)) return false;
  out.finish();
  files[kind] = std::move(bytes);
  order.push_back(kind);
  return true;
}

}  // namespace scengen
