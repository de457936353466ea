#include "system/DriveMap.h"

#include <cctype>

namespace zvsys {

namespace {

bool HasDrive(const std::string& p) {
    return p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]));
}

std::string Slashes(std::string p) {
    for (char& c : p) {
        if (c == '\\') c = '/';
    }
    return p;
}

}  // namespace

DriveMap::DriveMap(std::string root) : root_(std::move(root)) {
    while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
}

std::string DriveMap::ToLocal(const std::string& windowsPath) const {
    // "\x" is the root of the current drive, which for the installer is C.
    if (windowsPath.size() >= 1 && windowsPath[0] == '\\' && windowsPath.compare(0, 2, "\\\\") != 0) {
        return root_ + "/C" + Slashes(windowsPath);
    }
    if (!HasDrive(windowsPath)) return Slashes(windowsPath);
    const char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(windowsPath[0])));
    std::string rest = Slashes(windowsPath.substr(2));
    if (!rest.empty() && rest[0] != '/') rest = "/" + rest;
    return root_ + "/" + drive + rest;
}

std::string DriveMap::ToWindows(const std::string& localPath) const {
    const std::string prefix = root_ + "/";
    if (localPath.compare(0, prefix.size(), prefix) != 0 || localPath.size() < prefix.size() + 1) {
        return localPath;
    }
    const char drive = localPath[prefix.size()];
    if (!std::isupper(static_cast<unsigned char>(drive))) return localPath;
    const std::string rest = localPath.substr(prefix.size() + 1);
    if (!rest.empty() && rest[0] != '/') return localPath;
    std::string out = std::string(1, drive) + ":" + rest;
    for (char& c : out) {
        if (c == '/') c = '\\';
    }
    if (out.size() == 2) out += '\\';
    return out;
}

}  // namespace zvsys
