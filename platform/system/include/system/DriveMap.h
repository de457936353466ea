#pragma once
#include <string>

namespace zvsys {

// Maps Windows paths onto this machine: drive X is the folder <root>/X and
// backslashes become slashes; "\x" (the current drive's root) is on drive C;
// any other path without a drive letter keeps its place.
class DriveMap {
public:
    explicit DriveMap(std::string root);

    const std::string& Root() const { return root_; }
    std::string ToLocal(const std::string& windowsPath) const;
    // The other way: a local path under a drive folder becomes "X:\...";
    // anything else comes back as it is.
    std::string ToWindows(const std::string& localPath) const;

private:
    std::string root_;
};

}  // namespace zvsys
