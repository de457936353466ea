#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "port/Os.h"

namespace port {

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason) {
    std::error_code ignored;
    // A folder opens for reading on some systems and then reads as nothing.
    if (std::filesystem::is_directory(path, ignored)) {
        reason = std::strerror(EISDIR);
        return false;
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        reason = std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    bytes.clear();
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    const int error = std::ferror(file) != 0 ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(file);
    if (error != 0) reason = std::strerror(error);
    return error == 0;
}

bool ReplaceWhole(const std::string& path, const std::vector<std::string_view>& parts) {
    bool given = false;
    return ReplaceWholeFrom(path, [&](std::vector<std::string_view>& next) {
        if (!given) next = parts;
        given = true;
        return true;
    });
}

}  // namespace port
