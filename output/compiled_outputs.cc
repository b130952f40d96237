#include "output/compiled_outputs.h"

namespace scengen {

bool FileOutputs::write(OutputKind kind, const ProduceBytes& produce, std::string* err) {
  switch (kind) {
    case OutputKind::kLinePlan:
      return replace_file(line_plan_, produce, err);
    case OutputKind::kItemTable:
      return replace_file(item_table_, produce, err);
    case OutputKind::kCellArray:
      return replace_file(cell_array_, produce, err);
  }
  return false;
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
