#include "ProcessTable.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <filesystem>
#include <sstream>

namespace zvsys {

namespace fs = std::filesystem;

namespace {

// The whole of a small /proc file; nullopt when it cannot be read, which is
// what a process that has just ended gives (ESRCH), never an error of ours.
std::optional<std::string> ReadSmallFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[512];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    if (n < 0) return std::nullopt;
    return text;
}

// "pid (comm) S ..." : the short name and the state letter.
bool ReadStat(const fs::path& dir, std::string& comm, char& state) {
    const auto stat = ReadSmallFile(dir / "stat");
    if (!stat) return false;
    const auto open = stat->find('(');
    const auto close = stat->rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open || close + 2 >= stat->size()) {
        return false;
    }
    comm = stat->substr(open + 1, close - open - 1);
    state = (*stat)[close + 2];
    return true;
}

std::string ExecutableName(const fs::path& dir) {
    std::error_code ec;
    std::string target = fs::read_symlink(dir / "exe", ec).string();
    if (ec) return {};
    const std::string deleted = " (deleted)";
    if (target.size() > deleted.size() &&
        target.compare(target.size() - deleted.size(), deleted.size(), deleted) == 0) {
        target.resize(target.size() - deleted.size());
    }
    return fs::path(target).filename().string();
}

// The NUL-separated arguments of a process.
std::vector<std::string> Arguments(const fs::path& dir) {
    std::vector<std::string> args;
    const auto text = ReadSmallFile(dir / "cmdline");
    if (!text) return args;
    for (size_t at = 0; at < text->size() && args.size() < 3;) {
        const size_t end = std::min(text->find('\0', at), text->size());
        args.push_back(text->substr(at, end - at));
        at = end + 1;
    }
    return args;
}

}  // namespace

std::optional<uint64_t> ProcessStartTime(uint32_t id, const std::string& proc) {
    if (id == 0) return std::nullopt;
    const auto stat = ReadSmallFile(fs::path(proc) / std::to_string(id) / "stat");
    if (!stat) return std::nullopt;
    const auto close = stat->rfind(')');
    if (close == std::string::npos) return std::nullopt;
    // After the name: the state (field 3) ... the start time (field 22).
    std::istringstream rest(stat->substr(close + 1));
    std::string field;
    for (int n = 3; n <= 22 && rest >> field; ++n) {
        if (n == 3 && (field == "Z" || field == "X")) return std::nullopt;
        if (n == 22) return field.find_first_not_of("0123456789") == std::string::npos ? std::optional<uint64_t>(std::stoull(field)) : std::nullopt;
    }
    return std::nullopt;
}

bool ProgramRunning(const std::string& program, const std::string& proc) {
    std::error_code ec;
    const fs::path wanted = fs::weakly_canonical(program, ec);
    fs::directory_iterator it(proc, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.size() > 10 || name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::string comm;
        char state = 0;
        if (!ReadStat(it->path(), comm, state) || state == 'Z' || state == 'X') continue;
        const auto args = Arguments(it->path());
        // A script runs as "interpreter script ...", or "interpreter -flag script ...".
        for (const auto& a : args) {
            std::error_code step;
            if (a == program || (!a.empty() && a[0] == '/' && fs::weakly_canonical(a, step) == wanted && !step)) return true;
        }
    }
    return false;
}

std::optional<std::vector<ProcessEntry>> ReadProcessTable(const std::string& proc) {
    std::error_code ec;
    fs::directory_iterator it(proc, ec);
    if (ec) return std::nullopt;
    std::vector<ProcessEntry> out;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const std::string name = it->path().filename().string();
        if (name.empty() || name.size() > 10 || name.find_first_not_of("0123456789") != std::string::npos) continue;
        const unsigned long id = std::stoul(name);
        if (id == 0 || id > UINT32_MAX) continue;
        std::string comm;
        char state = 0;
        if (!ReadStat(it->path(), comm, state) || state == 'Z' || state == 'X') continue;
        ProcessEntry p;
        p.id = static_cast<uint32_t>(id);
        p.exeFile = ExecutableName(it->path());
        if (p.exeFile.empty()) p.exeFile = comm;
        out.push_back(std::move(p));
    }
    return out;
}

}  // namespace zvsys
