#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace scengen {

// Replaces `target` whole with `bytes`. The bytes go first to a fresh file
// beside the target, which is then renamed over it, so a write that fails
// halfway (full disk, folder not writable) leaves the old file as it was
// and no temporary file behind. On failure returns false and sets *err to
// one line naming the target and the system's reason.
bool replace_file(const std::filesystem::path& target, std::string_view bytes, std::string* err);

}  // namespace scengen
