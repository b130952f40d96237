#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "output/byte_writer.h"

namespace scengen {

// Writes a file's bytes into `out`; false, with *err, when it cannot be
// made (nothing of it is kept then).
using ProduceBytes = std::function<bool(ByteWriter& out, std::string* err)>;

// Replaces `target` whole with the bytes `produce` writes. They go first to
// a fresh file beside the target, in large blocks, which is then renamed
// over it, so a write that fails halfway (full disk, folder not writable)
// leaves the old file as it was and no temporary file behind. On failure
// returns false and sets *err to one line naming the target and the reason.
bool replace_file(const std::filesystem::path& target, const ProduceBytes& produce,
                  std::string* err);

// The same for bytes already at hand.
bool replace_file(const std::filesystem::path& target, std::string_view bytes, std::string* err);

}  // namespace scengen
