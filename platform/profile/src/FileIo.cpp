#include "profile/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace profile {

std::optional<std::string> LoadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

namespace {

constexpr char kTemporaryMark[] = ".zvtmp.";
constexpr size_t kTemporarySuffix = 6;  // mkstemp's XXXXXX

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool SaveFileAtomically(const std::string& path, const std::string& bytes) {
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && (old.st_mode & 0222) == 0) return false;
    std::vector<char> temp(path.begin(), path.end());
    for (char c : std::string(kTemporaryMark) + std::string(kTemporarySuffix, 'X')) temp.push_back(c);
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    // The replacement keeps the permissions of the file it replaces.
    const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.data(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.data());
    return ok;
}

int RemoveStrayTemporaries(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::error_code fileError;  // one file that cannot be removed does not end the listing
    int removed = 0;
    for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        const std::string name = entry.path().filename().string();
        const size_t mark = name.rfind(kTemporaryMark);
        if (mark == std::string::npos || mark == 0 ||
            name.size() != mark + sizeof kTemporaryMark - 1 + kTemporarySuffix ||
            !entry.is_regular_file(fileError)) {
            continue;
        }
        if (fs::remove(entry.path(), fileError)) ++removed;
    }
    return removed;
}

}  // namespace profile
