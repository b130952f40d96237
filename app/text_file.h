#pragma once

// The one way every text of a run reaches the disk. A writer fills a list of
// 1001 entries from index 0 and closes its lines with the end marker; the
// file then holds each entry before the marker followed by CR LF, the last
// one included. The marker itself is never written.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scengen {

inline constexpr std::string_view kEndMarker = "riferimento fine del file";
inline constexpr std::size_t kTextListEntries = 1001;

using TextList = std::array<std::string, kTextListEntries>;

// Entries 0..n-1 get `lines`, entry n the end marker, the rest stay empty.
// Fails when the lines and the marker do not fit into the list.
bool fill_text_list(const std::vector<std::string>& lines, TextList* list, std::string* err);

// The file's bytes: the entries before the first exact end marker, each with
// CR LF. Fails when no entry is the marker (the list would have no end) or
// an entry before it is not a line of 7-bit ASCII without CR or LF.
bool render_text_list(const TextList& list, std::string* bytes, std::string* err);

// Renders `list` and replaces the file at `path` with it.
bool write_text_list(const std::filesystem::path& path, const TextList& list, std::string* err);

}  // namespace scengen
