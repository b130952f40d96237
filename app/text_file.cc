#include "app/text_file.h"

#include "output/replace_file.h"

namespace scengen {

bool fill_text_list(const std::vector<std::string>& lines, TextList* list, std::string* err) {
  if (lines.size() >= list->size()) {
    *err = std::to_string(lines.size()) + " lines do not fit into a text list of " +
           std::to_string(list->size()) + " entries with its end marker";
    return false;
  }
  list->fill(std::string());
  std::size_t i = 0;
  for (const std::string& line : lines) (*list)[i++] = line;
  (*list)[i] = kEndMarker;
  return true;
}

bool render_text_list(const TextList& list, std::string* bytes, std::string* err) {
  std::string out;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string& entry = list[i];
    if (entry == kEndMarker) {
      *bytes = std::move(out);
      return true;
    }
    for (unsigned char c : entry) {
      if (c >= 0x80 || c == '\r' || c == '\n') {
        *err = "entry " + std::to_string(i) + " is not a line of 7-bit ASCII";
        return false;
      }
    }
    out += entry;
    out += "\r\n";
  }
  *err = "the text list has no end marker";
  return false;
}

bool write_text_list(const std::filesystem::path& path, const TextList& list, std::string* err) {
  std::string bytes;
  std::string why;
  if (!render_text_list(list, &bytes, &why)) {
    *err = "cannot write " + path.string() + ": " + why;
    return false;
  }
  return replace_file(path, bytes, err);
}

}  // namespace scengen
