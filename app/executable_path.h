#pragma once

#include <filesystem>
#include <string>

namespace scengen {

// The folder that holds the running program, whatever the working folder.
// Read from /proc/self/exe; when that is not available, from argv[0] if it
// names a path. Fails with *err set when neither tells.
bool executable_directory(const char* argv0, std::filesystem::path* dir, std::string* err);

}  // namespace scengen
