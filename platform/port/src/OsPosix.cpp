#include <dlfcn.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "port/Os.h"

namespace port {

std::string ProgramPath() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    return std::string(path, static_cast<size_t>(n));
}

std::string ProgramFolder() {
    const std::string exe = ProgramPath();
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

std::tm LocalTime(std::time_t moment) {
    std::tm parts{};
    ::localtime_r(&moment, &parts);
    return parts;
}

int ProcessId() { return static_cast<int>(::getpid()); }

// Linux keeps ru_maxrss across exec, so a client started from a big process
// would report its starter's peak; VmHWM is this program's own high-water mark.
long PeakMemoryKb() {
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        long kb = -1;
        while (kb < 0 && std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %ld kB", &kb) != 1) kb = -1;
        std::fclose(status);
        if (kb >= 0) return kb;
    }
    rusage usage{};
    if (::getrusage(RUSAGE_SELF, &usage) != 0) return -1;
    return usage.ru_maxrss;
}

bool FileExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

bool IsRunnable(const std::string& path) { return ::access(path.c_str(), X_OK) == 0; }

std::string NewTempFolder(const std::string& prefix) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + prefix + "XXXXXX";
    return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
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

bool ReplaceWholeFrom(const std::string& path, const PartSource& next) {
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    // A file nobody may write is refused, as the platform refuses it, even to root.
    if (exists && (old.st_mode & 0222) == 0) return false;
    std::vector<char> temp(path.begin(), path.end());
    for (char c : std::string(".zvtmp.XXXXXX")) temp.push_back(c);
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0;
    std::vector<std::string_view> parts;
    try {
        while (ok) {
            parts.clear();
            ok = next(parts);
            if (!ok || parts.empty()) break;
            for (const std::string_view part : parts) ok = ok && WriteAll(fd, part);
        }
    } catch (...) {
        // (memory run out while the parts were made): the old file stays, no temporary is left.
        ::close(fd);
        ::unlink(temp.data());
        throw;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.data(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.data());
    return ok;
}

std::optional<std::string> ReadFileRange(const std::string& path, uint64_t offset, size_t length) {
    // Never waits on a pipe or a device put in a file's place.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // A length past the end (a damaged record's) never reserves more than the file holds.
    const uint64_t size = static_cast<uint64_t>(info.st_size);
    length = offset >= size ? 0 : static_cast<size_t>(std::min<uint64_t>(length, size - offset));
    std::string bytes(length, '\0');
    size_t done = 0;
    bool ok = true;
    while (done < length) {
        const ssize_t n = ::pread(fd, bytes.data() + done, length - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        ok = n >= 0;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    bytes.resize(done);
    return bytes;
}

Library Library::Load(const std::string& path) {
    Library lib;
    lib.handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lib.handle_) {
        const char* why = ::dlerror();
        lib.error_ = why ? why : "unknown reason";
    }
    return lib;
}

void* Library::Symbol(const char* name) const { return handle_ ? ::dlsym(handle_, name) : nullptr; }

}  // namespace port

namespace port {

void* ProgramSymbol(const char* name) {
    void* self = ::dlopen(nullptr, RTLD_NOW);
    return self ? ::dlsym(self, name) : nullptr;
}

}  // namespace port
