// The portable system layer in the Windows build: files stay on the drive
// map (tests keep their scratch drives), programs and processes are real.
#include "system/PortableSystem.h"
#include "system/Win32System.h"

#include <windows.h>

#undef CopyFile
#undef MoveFile
#undef DeleteFile

#include "port/Os.h"
#include "system/CommandLine.h"

namespace zvsys {

namespace {

Win32System& Machine() {
    static Win32System machine;
    return machine;
}

}  // namespace

bool PortableSystem::MoveFile(const std::string& from, const std::string& to) {
    const std::wstring src = port::WideFromCp1252(map_.ToLocal(from)), dst = port::WideFromCp1252(map_.ToLocal(to));
    return ::MoveFileExW(src.c_str(), dst.c_str(), 0) != 0;  // refuses an existing destination
}

bool PortableSystem::DeleteFile(const std::string& path) {
    if (DirectoryExists(path)) return false;
    return ::DeleteFileW(port::WideFromCp1252(map_.ToLocal(path)).c_str()) != 0;
}

std::optional<std::vector<ProcessEntry>> PortableSystem::ProcessSnapshot() { return Machine().ProcessSnapshot(); }

bool PortableSystem::TerminateProcess(uint32_t id, uint32_t exitCode) { return Machine().TerminateProcess(id, exitCode); }

// The program found through the drive map, with the rest of the line as it was.
std::optional<ProcessHandle> PortableSystem::StartProcess(const std::string& commandLine) {
    const auto args = SplitCommandLine(commandLine);
    if (args.empty()) return std::nullopt;
    const std::string program = FindProgram(args[0]);
    if (program.empty()) return std::nullopt;
    const size_t start = commandLine.find_first_not_of(" \t");
    size_t end = commandLine[start] == '"' ? commandLine.find('"', start + 1) : commandLine.find_first_of(" \t", start);
    end = end == std::string::npos ? commandLine.size() : end + (commandLine[start] == '"' ? 1 : 0);
    return Machine().StartProcess("\"" + program + "\"" + commandLine.substr(end));
}

WaitResult PortableSystem::WaitForProcess(ProcessHandle process, uint32_t timeoutMs) {
    return Machine().WaitForProcess(process, timeoutMs);
}

void PortableSystem::CloseProcess(ProcessHandle process) { Machine().CloseProcess(process); }

std::optional<uint32_t> PortableSystem::ExitStatus(ProcessHandle process) { return Machine().ExitStatus(process); }

std::string PortableSystem::ProcessIdentity(ProcessHandle process) { return Machine().ProcessIdentity(process); }

bool PortableSystem::MayStillRun(const std::string& identity) { return Machine().MayStillRun(identity); }

bool PortableSystem::InstallerBusy(const std::string& runner) { return Machine().InstallerBusy(runner); }

void PortableSystem::ReapDetached() {}  // the platform keeps no ended processes around

}  // namespace zvsys
