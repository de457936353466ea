#pragma once
// Whole-file reads and writes for settings files. A write never leaves a file
// half-written: the bytes go to a temporary beside the file, are flushed to
// disk and then renamed over it, so readers see the old or the new content.
#include <optional>
#include <string>

namespace profile {

// nullopt when the file cannot be read (missing included).
std::optional<std::string> LoadFile(const std::string& path);
// False when any step fails; the old file is then untouched and no temporary is left.
bool SaveFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace profile
