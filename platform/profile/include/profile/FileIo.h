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
// A read-only file (no write permission for anyone) is refused, as the platform
// refuses to write it, whoever runs the program.
bool SaveFileAtomically(const std::string& path, const std::string& bytes);
// Removes the temporaries that writes into `folder` left when their process was
// killed before the rename; the number removed. A `folder` that is a link is
// never followed.
int RemoveStrayTemporaries(const std::string& folder);

}  // namespace profile
