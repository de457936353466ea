#pragma once
// What the installer needs of Windows, behind one interface: a Win32
// implementation and the portable one (PortableSystem) both fit it, and tests
// put a double in its place. Paths are Windows paths ("C:\Client\Cliente.ini");
// an implementation maps them onto its own file system.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "port/LockFile.h"
#include "port/Os.h"

namespace zvsys {

// A process identity as ProcessIdentity writes it, "id:start" in digits; nullopt
// for any other text (a record may be damaged or crafted).
struct ProcessIdentityParts {
    uint32_t id;
    std::string start;
};
inline std::optional<ProcessIdentityParts> ParseProcessIdentity(const std::string& identity) {
    const auto colon = identity.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 10 || identity.size() - colon - 1 > 20 ||
        identity.find_first_not_of("0123456789:") != std::string::npos || identity.find(':', colon + 1) != std::string::npos) {
        return std::nullopt;
    }
    const uint64_t id = std::stoull(identity.substr(0, colon));
    if (id == 0 || id > UINT32_MAX) return std::nullopt;
    return ProcessIdentityParts{static_cast<uint32_t>(id), identity.substr(colon + 1)};
}

struct ProcessEntry {
    uint32_t id = 0;
    std::string exeFile;  // the executable's file name (as the snapshot reports it)
};

// A started program. Close it with CloseProcess once it is no longer needed.
struct ProcessHandle {
    uint64_t value = 0;
};

enum class WaitResult { Ended, Timeout, Failed };

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

class System {
public:
    virtual ~System() = default;

    // Folders.
    virtual std::string WindowsDirectory() = 0;
    // Folder of the running program, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;

    // Files and folders.
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    // Copies a file; with failIfExists false an existing destination is replaced
    // whole (never left half-copied).
    virtual bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    // Renames a file; fails when the destination exists.
    virtual bool MoveFile(const std::string& from, const std::string& to) = 0;
    // Fails on a read-only file, as the platform does.
    virtual bool DeleteFile(const std::string& path) = 0;
    // Clears a file's read-only attribute (a copy of the program's own that it must be able to remove).
    virtual bool MakeWritable(const std::string& path) = 0;
    // Whole-file read; nullopt when it cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // Replaces (or creates) a file whole: on failure the old content is untouched.
    // A read-only file is refused. The content is the parts one after another,
    // so a large file is written without being put together first.
    virtual bool WriteFileParts(const std::string& path, const std::vector<std::string_view>& parts) = 0;
    bool WriteFile(const std::string& path, std::string_view bytes) { return WriteFileParts(path, {bytes}); }
    // The same with the parts given a few at a time (port::PartSource), for a
    // file larger than what should be held at once.
    virtual bool WriteFileFrom(const std::string& path, const port::PartSource& next) = 0;
    // Up to `length` bytes from `offset` (fewer at the end); nullopt when it cannot be read.
    virtual std::optional<std::string> ReadFilePart(const std::string& path, uint64_t offset, size_t length) = 0;
    // Removes what writes into `folder` left behind when their process was
    // killed halfway (their temporaries); the number removed.
    virtual int RemoveStrayTemporaries(const std::string& folder) = 0;
    // Takes a lock file (port::LockFile): one holder at a time, let go when the
    // returned object goes or the process ends.
    virtual port::LockFile TakeLock(const std::string& path) = 0;
    // The shell's folder copy (copy operation, the given flags); 0 on success.
    // Never copies a folder into itself or into a folder inside it, and never
    // follows a link out of the folder: a link is copied as a link, or left
    // out and named in `notCopied` where it cannot be. Files keep their
    // modification times.
    virtual int ShellCopyFolder(const std::string& from, const std::string& to, uint32_t flags,
                                std::vector<std::string>* notCopied = nullptr) = 0;

    // Processes.
    virtual std::optional<std::vector<ProcessEntry>> ProcessSnapshot() = 0;
    // True when the process no longer runs: ended now, or already gone.
    virtual bool TerminateProcess(uint32_t id, uint32_t exitCode) = 0;
    // Starts a command line (the program is its first word), minimised, with
    // the caller's environment and current folder; nullopt when not started.
    virtual std::optional<ProcessHandle> StartProcess(const std::string& commandLine) = 0;
    // True when the program a command line names can be found to be started.
    virtual bool CanStart(const std::string& commandLine) = 0;
    virtual WaitResult WaitForProcess(ProcessHandle process, uint32_t timeoutMs) = 0;
    virtual void CloseProcess(ProcessHandle process) = 0;
    // The exit status of a started program a wait has seen end; nullopt when unknown.
    virtual std::optional<uint32_t> ExitStatus(ProcessHandle process) = 0;
    // What names a started process for as long as it runs, also to another
    // process after this one has gone (its id and start time); empty when unknown.
    virtual std::string ProcessIdentity(ProcessHandle process) = 0;
    // Whether the process an identity names may still run: false only when it
    // has surely ended (or the identity names none).
    virtual bool MayStillRun(const std::string& identity) = 0;
    // The machine's package installer is at work: on Windows its own
    // "installation in progress" signal, elsewhere a running `runner` program.
    virtual bool InstallerBusy(const std::string& runner) = 0;

    // HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall,
    // read only: its subkey names (nullopt when the key cannot be opened) and a
    // value of one subkey (nullopt when missing).
    virtual std::optional<std::vector<std::string>> UninstallSubkeys() = 0;
    virtual std::optional<std::string> UninstallValue(const std::string& subkey,
                                                      const std::string& valueName) = 0;

    // The folder-selection dialog starting at `root`, with a "new folder"
    // button and the given help context; nullopt when cancelled.
    virtual std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& root,
                                                       uint32_t helpContext) = 0;

    virtual void Sleep(uint32_t ms) = 0;
    virtual Date Today() = 0;
};

}  // namespace zvsys
