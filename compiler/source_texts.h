#pragma once

// Where the parser finds the line text and the train text, and what deleting
// one of them means. The carried run reads files beside the program and
// deletes them once read; tests and tools hand the texts over in memory.

#include <filesystem>
#include <optional>
#include <string>

namespace scengen {

enum class SourceKind { kLineText, kTrainText };

class SourceTexts {
 public:
  virtual ~SourceTexts() = default;

  virtual bool exists(SourceKind kind) const = 0;
  // The whole text; false with *err (the system's reason) when it cannot be
  // read, a missing text included.
  virtual bool read(SourceKind kind, std::string* contents, std::string* err) const = 0;
  // Deletes the text; nothing happens when it does not exist.
  virtual void remove(SourceKind kind) = 0;
  // The name diagnostics show for it.
  virtual std::string name(SourceKind kind) const = 0;
};

// Two files; remove() deletes them.
class FileSourceTexts : public SourceTexts {
 public:
  FileSourceTexts(std::filesystem::path line_text, std::filesystem::path train_text)
      : line_text_(std::move(line_text)), train_text_(std::move(train_text)) {}

  bool exists(SourceKind kind) const override;
  bool read(SourceKind kind, std::string* contents, std::string* err) const override;
  void remove(SourceKind kind) override;
  std::string name(SourceKind kind) const override;

 private:
  const std::filesystem::path& path(SourceKind kind) const {
    return kind == SourceKind::kLineText ? line_text_ : train_text_;
  }
  std::filesystem::path line_text_;
  std::filesystem::path train_text_;
};

// Two texts in memory; a text given as nullopt does not exist, and remove()
// makes it so.
class MemorySourceTexts : public SourceTexts {
 public:
  MemorySourceTexts(std::optional<std::string> line_text, std::optional<std::string> train_text,
                    std::string line_name = "linea.txt", std::string train_name = "treno-.txt")
      : line_text_(std::move(line_text)),
        train_text_(std::move(train_text)),
        line_name_(std::move(line_name)),
        train_name_(std::move(train_name)) {}

  bool exists(SourceKind kind) const override { return text(kind).has_value(); }
  bool read(SourceKind kind, std::string* contents, std::string* err) const override;
  void remove(SourceKind kind) override { text(kind).reset(); }
  std::string name(SourceKind kind) const override {
    return kind == SourceKind::kLineText ? line_name_ : train_name_;
  }

 private:
  std::optional<std::string>& text(SourceKind kind) {
    return kind == SourceKind::kLineText ? line_text_ : train_text_;
  }
  const std::optional<std::string>& text(SourceKind kind) const {
    return kind == SourceKind::kLineText ? line_text_ : train_text_;
  }
  std::optional<std::string> line_text_;
  std::optional<std::string> train_text_;
  std::string line_name_;
  std::string train_name_;
};

}  // namespace scengen
