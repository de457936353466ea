#pragma once
#include "system/System.h"

namespace zvsys {

// The system layer over the real Win32 API: tool-help snapshots, process
// creation, the shell's folder copy, the registry's uninstall key (read
// only), the folder-selection dialog and the Windows directories.
class Win32System : public System {
public:
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
};

}  // namespace zvsys
