#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>

#include "system/DriveMap.h"
#include "system/System.h"

namespace zvsys {

// The system layer on this machine. Windows paths go through the drive map
// (drive C is <root>/C); the Windows directory is "C:\Windows"; the uninstall
// key is the folder <root>/registry/HKLM/SOFTWARE/Microsoft/Windows/CurrentVersion/Uninstall
// with one subfolder per subkey and its values in values.ini, section [values].
// Programs start without a shell: the command line is split by the Windows
// rules and the program is looked up through the drive map, in C:\Windows\System32,
// in C:\Windows, then on PATH. The started program finds the unsplit command
// line in the environment variable ZV_COMMAND_LINE.
class PortableSystem : public System {
public:
    // Asks the operator for a folder: (title, start folder) -> chosen folder.
    using FolderPrompt = std::function<std::optional<std::string>(const std::string&, const std::string&)>;

    explicit PortableSystem(std::string driveRoot);
    ~PortableSystem() override;

    const DriveMap& Map() const { return map_; }
    // Without a prompt the dialog answers as cancelled.
    void SetFolderPrompt(FolderPrompt prompt) { prompt_ = std::move(prompt); }
    // The local file a command line's program name stands for; empty when none.
    std::string FindProgram(const std::string& name) const;

    std::string WindowsDirectory() override;
    std::string ProgramFolder() override;
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool MoveFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    bool MakeWritable(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFileParts(const std::string& path, const std::vector<std::string_view>& parts) override;
    bool WriteFileFrom(const std::string& path, const port::PartSource& next) override;
    std::optional<std::string> ReadFilePart(const std::string& path, uint64_t offset, size_t length) override;
    int RemoveStrayTemporaries(const std::string& folder) override;
    port::LockFile TakeLock(const std::string& path) override;
    int ShellCopyFolder(const std::string& from, const std::string& to, uint32_t flags,
                        std::vector<std::string>* notCopied = nullptr) override;
    std::optional<std::vector<ProcessEntry>> ProcessSnapshot() override;
    bool TerminateProcess(uint32_t id, uint32_t exitCode) override;
    std::optional<ProcessHandle> StartProcess(const std::string& commandLine) override;
    bool CanStart(const std::string& commandLine) override;
    WaitResult WaitForProcess(ProcessHandle process, uint32_t timeoutMs) override;
    void CloseProcess(ProcessHandle process) override;
    std::optional<uint32_t> ExitStatus(ProcessHandle process) override;
    std::string ProcessIdentity(ProcessHandle process) override;
    bool MayStillRun(const std::string& identity) override;
    bool InstallerBusy(const std::string& runner) override;
    std::optional<std::vector<std::string>> UninstallSubkeys() override;
    std::optional<std::string> UninstallValue(const std::string& subkey, const std::string& valueName) override;
    std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& root,
                                               uint32_t helpContext) override;
    void Sleep(uint32_t ms) override;
    Date Today() override;

private:
    std::string UninstallFolder() const;
    void ReapDetached();

    DriveMap map_;
    FolderPrompt prompt_;
    std::set<int> ended_;     // started programs already reaped by a wait
    std::map<int, uint32_t> statuses_;  // their exit statuses
    std::set<int> detached_;  // closed while still running: reaped later, never left as zombies
};

}  // namespace zvsys
