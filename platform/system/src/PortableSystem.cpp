#include "system/PortableSystem.h"

// The Windows build keeps the drive map for files and runs real processes
// (PortableProcessesWin32.cpp has the parts between the #ifndef _WIN32 marks).
#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <thread>

#include "port/Os.h"
#include "profile/FileIo.h"
#include "profile/IniDocument.h"
#include "system/CommandLine.h"

#ifndef _WIN32
#include "ProcessTable.h"

extern char** environ;
#endif

namespace zvsys {

namespace fs = std::filesystem;

PortableSystem::PortableSystem(std::string driveRoot) : map_(std::move(driveRoot)) {}

PortableSystem::~PortableSystem() { ReapDetached(); }

std::string PortableSystem::WindowsDirectory() { return "C:\\Windows"; }

std::string PortableSystem::ProgramFolder() {
    const std::string exe = port::ProgramPath();
    if (exe.empty()) return {};
    return map_.ToWindows(fs::path(exe).parent_path().string());
}

bool PortableSystem::FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(map_.ToLocal(path), ec);
}

bool PortableSystem::DirectoryExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(map_.ToLocal(path), ec);
}

bool PortableSystem::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    if (failIfExists && FileExists(to)) return false;
    const auto bytes = profile::LoadFile(map_.ToLocal(from));
    return bytes && !DirectoryExists(to) && profile::SaveFileAtomically(map_.ToLocal(to), *bytes);
}

#ifndef _WIN32
bool PortableSystem::MoveFile(const std::string& from, const std::string& to) {
    const std::string src = map_.ToLocal(from);
    const std::string dst = map_.ToLocal(to);
    if (::renameat2(AT_FDCWD, src.c_str(), AT_FDCWD, dst.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the no-replace rename: a hard link refuses an existing name too.
    if (::link(src.c_str(), dst.c_str()) != 0) return false;
    ::unlink(src.c_str());
    return true;
}

bool PortableSystem::DeleteFile(const std::string& path) {
    const std::string local = map_.ToLocal(path);
    struct stat st {};
    if (::stat(local.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    // The read-only attribute: no write permission for anyone.
    if ((st.st_mode & 0222) == 0) return false;
    return ::unlink(local.c_str()) == 0;
}
#endif

bool PortableSystem::MakeWritable(const std::string& path) {
    std::error_code ec;
    const std::string local = map_.ToLocal(path);
    if (fs::is_symlink(local, ec) || !fs::is_regular_file(local, ec)) return false;
    fs::permissions(local, fs::perms::owner_write, fs::perm_options::add, ec);
    return !ec;
}

std::optional<std::string> PortableSystem::ReadFile(const std::string& path) {
    return profile::LoadFile(map_.ToLocal(path));
}

bool PortableSystem::WriteFileParts(const std::string& path, const std::vector<std::string_view>& parts) {
    return port::ReplaceWhole(map_.ToLocal(path), parts);
}

bool PortableSystem::WriteFileFrom(const std::string& path, const port::PartSource& next) {
    return port::ReplaceWholeFrom(map_.ToLocal(path), next);
}

std::optional<std::string> PortableSystem::ReadFilePart(const std::string& path, uint64_t offset, size_t length) {
    return port::ReadFileRange(map_.ToLocal(path), offset, length);
}

int PortableSystem::RemoveStrayTemporaries(const std::string& folder) {
    return profile::RemoveStrayTemporaries(map_.ToLocal(folder));
}

port::LockFile PortableSystem::TakeLock(const std::string& path) { return port::LockFile::Take(map_.ToLocal(path)); }

namespace {

void KeepTime(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    const auto time = fs::last_write_time(from, ec);
    if (!ec) fs::last_write_time(to, time, ec);
}

// The tree as it is: a link is copied as a link (never followed out of the
// folder), files and folders keep their modification times. What cannot be
// copied (a link the file system refuses, a device) is named in `notCopied`.
void CopyTree(const fs::path& from, const fs::path& to, std::vector<std::string>* notCopied, std::error_code& error) {
    std::error_code ec;
    // An existing folder receives the copy among what it has, as the shell merges.
    if (!fs::create_directory(to, ec) && !fs::is_directory(to) && !error) {
        error = ec ? ec : std::make_error_code(std::errc::file_exists);
        return;
    }
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path target = to / it->path().filename();
        std::error_code step;
        const fs::file_status status = it->symlink_status(step);
        if (fs::is_symlink(status)) {
            fs::copy_symlink(it->path(), target, step);
            if (step && notCopied) notCopied->push_back(it->path().string());
            continue;
        }
        if (fs::is_directory(status)) {
            CopyTree(it->path(), target, notCopied, error);
        } else if (fs::is_regular_file(status)) {
            if (fs::copy_file(it->path(), target, fs::copy_options::overwrite_existing, step)) {
                KeepTime(it->path(), target);
            }
            if (step && !error) error = step;
        } else if (notCopied) {
            notCopied->push_back(it->path().string());
        }
    }
    if (ec && !error) error = ec;
    KeepTime(from, to);
}

}  // namespace

int PortableSystem::ShellCopyFolder(const std::string& from, const std::string& to, uint32_t flags,
                                    std::vector<std::string>* notCopied) {
    (void)flags;  // progress, undo and confirmation have no meaning without a shell
    std::error_code ec;
    const fs::path src = fs::weakly_canonical(map_.ToLocal(from), ec);
    if (ec || !fs::is_directory(src, ec)) return ENOENT;
    fs::path dst = fs::weakly_canonical(map_.ToLocal(to), ec);
    if (ec) return EINVAL;
    if (dst.filename().empty()) dst = dst.parent_path();
    // As the shell does: an existing destination folder receives the source inside it.
    if (fs::is_directory(dst, ec)) dst /= src.filename();
    // A copy into its own source would copy its copies until paths grow too long.
    if (std::mismatch(src.begin(), src.end(), dst.begin(), dst.end()).first == src.end()) return EINVAL;
    std::vector<std::string> left;
    ec.clear();
    CopyTree(src, dst, &left, ec);
    if (notCopied) {
        for (const auto& l : left) notCopied->push_back(map_.ToWindows(l));
    }
    return ec ? (ec.value() != 0 ? ec.value() : EIO) : 0;
}

#ifndef _WIN32
std::optional<std::vector<ProcessEntry>> PortableSystem::ProcessSnapshot() {
    ReapDetached();
    return ReadProcessTable();
}

bool PortableSystem::TerminateProcess(uint32_t id, uint32_t exitCode) {
    (void)exitCode;  // a killed process has no exit code of its choosing here
    if (id == 0 || id > static_cast<uint32_t>(INT32_MAX)) return false;
    // One that ended between the snapshot and now is as ended as one we end.
    return ::kill(static_cast<pid_t>(id), SIGKILL) == 0 || errno == ESRCH;
}

#endif

std::string PortableSystem::FindProgram(const std::string& name) const {
    if (name.empty()) return {};
    auto runnable = [](const fs::path& p) {
        std::error_code ec;
        return fs::is_regular_file(p, ec) && port::IsRunnable(p.string());
    };
    if (name.find_first_of("\\/:") != std::string::npos) {
        const std::string local = map_.ToLocal(name);
        return runnable(local) ? local : std::string();
    }
    for (const char* folder : {"C:\\Windows\\System32", "C:\\Windows"}) {
        const fs::path p = fs::path(map_.ToLocal(folder)) / name;
        if (runnable(p)) return p.string();
    }
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "";
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = std::min(dirs.find(port::kPathListSeparator, start), dirs.size());
        const std::string dir = dirs.substr(start, end - start);
        const fs::path p = fs::path(dir.empty() ? "." : dir) / name;
        if (runnable(p)) return p.string();
        start = end + 1;
    }
    return {};
}

bool PortableSystem::CanStart(const std::string& commandLine) {
    const auto args = SplitCommandLine(commandLine);
    return !args.empty() && !FindProgram(args[0]).empty();
}

#ifndef _WIN32
std::optional<ProcessHandle> PortableSystem::StartProcess(const std::string& commandLine) {
    const auto args = SplitCommandLine(commandLine);
    if (args.empty()) return std::nullopt;
    const std::string program = FindProgram(args[0]);
    if (program.empty()) return std::nullopt;

    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::string(*e).rfind("ZV_COMMAND_LINE=", 0) != 0) env.emplace_back(*e);
    }
    env.push_back("ZV_COMMAND_LINE=" + commandLine);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argStore(args);
    argStore[0] = program;
    std::vector<char*> argv;
    for (auto& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    // A started program has no console of ours to read from or print into:
    // the installer's window may own the terminal.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return std::nullopt;
    return ProcessHandle{static_cast<uint64_t>(pid)};
}

WaitResult PortableSystem::WaitForProcess(ProcessHandle process, uint32_t timeoutMs) {
    const auto pid = static_cast<pid_t>(process.value);
    if (ended_.count(pid) != 0) return WaitResult::Ended;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        int status = 0;
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid) {
            ended_.insert(pid);
            statuses_[pid] = WIFEXITED(status) ? static_cast<uint32_t>(WEXITSTATUS(status)) : 128u + static_cast<uint32_t>(WTERMSIG(status));
            return WaitResult::Ended;
        }
        if (r < 0 && errno != EINTR) return WaitResult::Failed;
        if (std::chrono::steady_clock::now() >= deadline) return WaitResult::Timeout;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void PortableSystem::CloseProcess(ProcessHandle process) {
    const auto pid = static_cast<pid_t>(process.value);
    if (ended_.erase(pid) == 0) detached_.insert(pid);
    statuses_.erase(pid);
    ReapDetached();
}

std::optional<uint32_t> PortableSystem::ExitStatus(ProcessHandle process) {
    const auto it = statuses_.find(static_cast<int>(process.value));
    if (it == statuses_.end()) return std::nullopt;
    return it->second;
}

std::string PortableSystem::ProcessIdentity(ProcessHandle process) {
    const auto id = static_cast<uint32_t>(process.value);
    const auto start = ProcessStartTime(id);
    return start ? std::to_string(id) + ":" + std::to_string(*start) : std::string();
}

bool PortableSystem::MayStillRun(const std::string& identity) {
    const auto parts = ParseProcessIdentity(identity);
    if (!parts || parts->id > INT32_MAX) return false;
    // Another process under the same id started at another time.
    const auto start = ProcessStartTime(parts->id);
    return start && std::to_string(*start) == parts->start;
}

bool PortableSystem::InstallerBusy(const std::string& runner) {
    const std::string program = FindProgram(runner);
    return !program.empty() && ProgramRunning(program);
}

void PortableSystem::ReapDetached() {
    for (auto it = detached_.begin(); it != detached_.end();) {
        int status = 0;
        const pid_t r = ::waitpid(*it, &status, WNOHANG);
        it = (r == 0) ? std::next(it) : detached_.erase(it);
    }
}

#endif

std::string PortableSystem::UninstallFolder() const {
    return map_.Root() + "/registry/HKLM/SOFTWARE/Microsoft/Windows/CurrentVersion/Uninstall";
}

std::optional<std::vector<std::string>> PortableSystem::UninstallSubkeys() {
    std::error_code ec;
    fs::directory_iterator it(UninstallFolder(), ec);
    if (ec) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& e : it) {
        if (e.is_directory(ec)) names.push_back(e.path().filename().string());
    }
    // The registry lists subkeys in alphabetical order, ignoring case.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    });
    return names;
}

std::optional<std::string> PortableSystem::UninstallValue(const std::string& subkey,
                                                          const std::string& valueName) {
    if (subkey.empty() || subkey.find('/') != std::string::npos || subkey == "." || subkey == "..") {
        return std::nullopt;
    }
    const auto bytes = profile::LoadFile(UninstallFolder() + "/" + subkey + "/values.ini");
    if (!bytes) return std::nullopt;
    return profile::IniDocument::Parse(*bytes).Get("values", valueName);
}

std::optional<std::string> PortableSystem::BrowseForFolder(const std::string& title, const std::string& root,
                                                           uint32_t helpContext) {
    (void)helpContext;  // no help file on this machine
    if (!prompt_) return std::nullopt;
    return prompt_(title, root);
}

void PortableSystem::Sleep(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

Date PortableSystem::Today() {
    const std::tm local = port::LocalTime(std::time(nullptr));
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace zvsys
