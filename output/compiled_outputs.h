#pragma once

// Where the compile puts its three data files. The carried run replaces
// files beside the program; tests and tools keep them in memory.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "output/replace_file.h"

namespace scengen {

enum class OutputKind { kLinePlan, kItemTable, kCellArray };

class CompiledOutputs {
 public:
  virtual ~CompiledOutputs() = default;
  // Replaces the output whole with the bytes `produce` writes. False, with
  // *err naming it and the reason, when that cannot be done.
  virtual bool write(OutputKind kind, const ProduceBytes& produce, std::string* err) = 0;
};

// Three files, each replaced through a temporary file and a rename.
class FileOutputs : public CompiledOutputs {
 public:
  FileOutputs(std::filesystem::path line_plan, std::filesystem::path item_table,
              std::filesystem::path cell_array)
      : line_plan_(std::move(line_plan)),
        item_table_(std::move(item_table)),
        cell_array_(std::move(cell_array)) {}

  bool write(OutputKind kind, const ProduceBytes& produce, std::string* err) override;

  // The files replaced so far, in the order they were written.
  const std::vector<std::filesystem::path>& written() const { return written_; }

 private:
  const std::filesystem::path& path(OutputKind kind) const;

  std::vector<std::filesystem::path> written_;
  std::filesystem::path line_plan_;
  std::filesystem::path item_table_;
  std::filesystem::path cell_array_;
};

// The outputs as strings, and the order they were written in.
class MemoryOutputs : public CompiledOutputs {
 public:
  bool write(OutputKind kind, const ProduceBytes& produce, std::string* err) override;

  std::map<OutputKind, std::string> files;
  std::vector<OutputKind> order;
};

}  // namespace scengen
