#pragma once
#include <string>

namespace zvsys {

// A folder name as the system resolves it: "/" as "\", repeated backslashes as
// one (a leading "\\" of a network path kept), "." and ".." resolved, the
// drive letter in upper case, no trailing backslash except on a root ("C:\").
// "c:\Client\", "C:\\Client" and "C:\Client\." are all "C:\Client".
std::string NormalizeFolder(const std::string& folder);

// True when `path` is `folder` or lies inside it (names compared without
// regard to letter case, as the file system does).
bool IsSameOrInside(const std::string& path, const std::string& folder);

}  // namespace zvsys
