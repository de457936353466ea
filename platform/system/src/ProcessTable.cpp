#include "ProcessTable.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zvsys {

namespace fs = std::filesystem;

namespace {

// "pid (comm) S ..." : the short name and the state letter.
bool ReadStat(const fs::path& dir, std::string& comm, char& state) {
    std::ifstream in(dir / "stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto open = stat.find('(');
    const auto close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close + 2 >= stat.size()) return false;
    comm = stat.substr(open + 1, close - open - 1);
    state = stat[close + 2];
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

}  // namespace

std::optional<std::vector<ProcessEntry>> ReadProcessTable() {
    std::error_code ec;
    fs::directory_iterator it("/proc", ec);
    if (ec) return std::nullopt;
    std::vector<ProcessEntry> out;
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::string comm;
        char state = 0;
        if (!ReadStat(entry.path(), comm, state) || state == 'Z' || state == 'X') continue;
        ProcessEntry p;
        p.id = static_cast<uint32_t>(std::stoul(name));
        p.exeFile = ExecutableName(entry.path());
        if (p.exeFile.empty()) p.exeFile = comm;
        out.push_back(std::move(p));
    }
    return out;
}

}  // namespace zvsys
