// windows.h names its ANSI/wide pairs by macros that would rename the
// interface's methods: it comes after the interface, and the macros go.
#include "system/Win32System.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#undef CopyFile
#undef MoveFile
#undef DeleteFile

#include "port/Os.h"
#include "profile/FileIo.h"
#include "system/CommandLine.h"
#include "system/WindowsPath.h"

namespace zvsys {

namespace {

using port::Cp1252FromWide;
using port::WideFromCp1252;

constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

DWORD Attributes(const std::string& path) { return ::GetFileAttributesW(WideFromCp1252(path).c_str()); }

// The registry key closes itself.
class Key {
public:
    Key(HKEY parent, const std::wstring& name) {
        if (::RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~Key() {
        if (key_) ::RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

std::string Win32System::WindowsDirectory() {
    wchar_t dir[MAX_PATH];
    const UINT n = ::GetWindowsDirectoryW(dir, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? "C:\\Windows" : Cp1252FromWide(std::wstring(dir, n));
}

std::string Win32System::ProgramFolder() { return port::ProgramFolder(); }

bool Win32System::FileExists(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32System::DirectoryExists(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// Copied beside the destination first, so a failed copy never leaves it half written.
bool Win32System::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    if (failIfExists && (FileExists(to) || DirectoryExists(to))) return false;
    const auto bytes = ReadFile(from);
    return bytes && !DirectoryExists(to) && WriteFile(to, *bytes);
}

bool Win32System::MoveFile(const std::string& from, const std::string& to) {
    return ::MoveFileExW(WideFromCp1252(from).c_str(), WideFromCp1252(to).c_str(), 0) != 0;
}

bool Win32System::DeleteFile(const std::string& path) { return ::DeleteFileW(WideFromCp1252(path).c_str()) != 0; }

std::optional<std::string> Win32System::ReadFile(const std::string& path) {
    HANDLE file = ::CreateFileW(WideFromCp1252(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file, &size) && size.QuadPart > 0 && static_cast<uint64_t>(size.QuadPart) < SIZE_MAX / 2)
        bytes.reserve(static_cast<size_t>(size.QuadPart));
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) bytes.append(buffer, got);
    ::CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
}

bool Win32System::WriteFileParts(const std::string& path, const std::vector<std::string_view>& parts) {
    return port::ReplaceWhole(path, parts);
}

bool Win32System::WriteFileFrom(const std::string& path, const port::PartSource& next) {
    return port::ReplaceWholeFrom(path, next);
}

std::optional<std::string> Win32System::ReadFilePart(const std::string& path, uint64_t offset, size_t length) {
    return port::ReadFileRange(path, offset, length);
}

bool Win32System::MakeWritable(const std::string& path) {
    const std::wstring wide = WideFromCp1252(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) return false;
    return (attributes & FILE_ATTRIBUTE_READONLY) == 0 ||
           ::SetFileAttributesW(wide.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) != 0;
}

int Win32System::RemoveStrayTemporaries(const std::string& folder) { return profile::RemoveStrayTemporaries(folder); }

port::LockFile Win32System::TakeLock(const std::string& path) { return port::LockFile::Take(path); }

namespace {

constexpr DWORD kLink = FILE_ATTRIBUTE_REPARSE_POINT;

// The links (symbolic links, junctions) inside a folder, never entered.
void FindLinks(const std::wstring& folder, std::vector<std::wstring>& links) {
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & kLink) {
            links.push_back(folder + L"\\" + name);
        } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            FindLinks(folder + L"\\" + name, links);
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// The tree copied by hand, its links left out: files keep their times (as the
// platform's file copy keeps them), folders get theirs once filled.
DWORD CopyWithoutLinks(const std::wstring& from, const std::wstring& to) {
    if (!::CreateDirectoryW(to.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) return ::GetLastError();
    DWORD error = 0;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((from + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L".." || (found.dwFileAttributes & kLink)) continue;
            const DWORD step = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                                   ? CopyWithoutLinks(from + L"\\" + name, to + L"\\" + name)
                                   : (::CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE)
                                          ? 0
                                          : ::GetLastError());
            if (error == 0) error = step;
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    HANDLE source = ::CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    HANDLE target = ::CreateFileW(to.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    FILETIME written{};
    if (source != INVALID_HANDLE_VALUE && target != INVALID_HANDLE_VALUE &&
        ::GetFileTime(source, nullptr, nullptr, &written)) {
        ::SetFileTime(target, nullptr, nullptr, &written);
    }
    if (source != INVALID_HANDLE_VALUE) ::CloseHandle(source);
    if (target != INVALID_HANDLE_VALUE) ::CloseHandle(target);
    return error;
}

}  // namespace

int Win32System::ShellCopyFolder(const std::string& from, const std::string& to, uint32_t flags,
                                 std::vector<std::string>* notCopied) {
    // A copy into its own source would copy its copies until paths grow too long.
    const std::string source0 = NormalizeFolder(from);
    std::string target0 = NormalizeFolder(to);
    if (DirectoryExists(target0)) {
        const size_t slash = source0.find_last_of('\\');
        target0 += "\\" + source0.substr(slash == std::string::npos ? 0 : slash + 1);
    }
    if (IsSameOrInside(target0, source0)) return ERROR_BAD_ARGUMENTS;
    // The shell follows links: a folder with any is copied by hand, without them.
    std::vector<std::wstring> links;
    FindLinks(WideFromCp1252(source0), links);
    if (!links.empty()) {
        if (notCopied) {
            for (const auto& link : links) notCopied->push_back(Cp1252FromWide(link));
        }
        return static_cast<int>(CopyWithoutLinks(WideFromCp1252(source0), WideFromCp1252(target0)));
    }
    // The shell takes lists of names, each ended by a zero and the list by another.
    std::wstring source = WideFromCp1252(from) + L'\0';
    std::wstring target = WideFromCp1252(to) + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_COPY;
    op.pFrom = source.c_str();
    op.pTo = target.c_str();
    op.fFlags = static_cast<FILEOP_FLAGS>(flags);
    const int result = ::SHFileOperationW(&op);
    return result == 0 && op.fAnyOperationsAborted ? ERROR_CANCELLED : result;
}

std::optional<std::vector<ProcessEntry>> Win32System::ProcessSnapshot() {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<ProcessEntry> entries;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry))
        entries.push_back({entry.th32ProcessID, Cp1252FromWide(entry.szExeFile)});
    ::CloseHandle(snapshot);
    return entries;
}

bool Win32System::TerminateProcess(uint32_t id, uint32_t exitCode) {
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, id);
    // A snapshot entry whose process has ended since: there is nothing left to end.
    if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;
    const bool ok = ::TerminateProcess(process, exitCode) != 0;
    ::CloseHandle(process);
    return ok;
}

std::optional<ProcessHandle> Win32System::StartProcess(const std::string& commandLine) {
    std::wstring line = WideFromCp1252(commandLine);  // the call may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return std::nullopt;
    ::CloseHandle(info.hThread);
    return ProcessHandle{reinterpret_cast<uint64_t>(info.hProcess)};
}

bool Win32System::CanStart(const std::string& commandLine) {
    const auto args = SplitCommandLine(commandLine);
    if (args.empty()) return false;
    // Found as CreateProcess will find it: the name as given, else along the search path.
    wchar_t found[MAX_PATH];
    const std::wstring name = WideFromCp1252(args[0]);
    return ::SearchPathW(nullptr, name.c_str(), L".exe", MAX_PATH, found, nullptr) != 0;
}

WaitResult Win32System::WaitForProcess(ProcessHandle process, uint32_t timeoutMs) {
    switch (::WaitForSingleObject(reinterpret_cast<HANDLE>(process.value), timeoutMs)) {
        case WAIT_OBJECT_0: return WaitResult::Ended;
        case WAIT_TIMEOUT: return WaitResult::Timeout;
        default: return WaitResult::Failed;
    }
}

void Win32System::CloseProcess(ProcessHandle process) {
    if (process.value) ::CloseHandle(reinterpret_cast<HANDLE>(process.value));
}

std::optional<uint32_t> Win32System::ExitStatus(ProcessHandle process) {
    DWORD code = 0;
    if (!::GetExitCodeProcess(reinterpret_cast<HANDLE>(process.value), &code) || code == STILL_ACTIVE) return std::nullopt;
    return static_cast<uint32_t>(code);
}

namespace {

// When a process was created, in 100 ns units; 0 when it cannot be read.
uint64_t CreationTime(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return (static_cast<uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

std::string Win32System::ProcessIdentity(ProcessHandle process) {
    const auto handle = reinterpret_cast<HANDLE>(process.value);
    const DWORD id = ::GetProcessId(handle);
    const uint64_t created = CreationTime(handle);
    return id != 0 && created != 0 ? std::to_string(id) + ":" + std::to_string(created) : std::string();
}

bool Win32System::MayStillRun(const std::string& identity) {
    const auto parts = ParseProcessIdentity(identity);
    if (!parts) return false;
    HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(parts->id));
    // Gone; a process we may not open still runs.
    if (!process) return ::GetLastError() != ERROR_INVALID_PARAMETER;
    const bool same = std::to_string(CreationTime(process)) == parts->start;
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return same && running;
}

bool Win32System::InstallerBusy(const std::string& runner) {
    (void)runner;
    // Windows Installer holds this mutex while it runs an installation.
    HANDLE busy = ::OpenMutexW(SYNCHRONIZE, FALSE, L"Global\\_MSIExecute");
    // There, but not ours to open: still busy.
    if (!busy) return ::GetLastError() == ERROR_ACCESS_DENIED;
    ::CloseHandle(busy);
    return true;
}

std::optional<std::vector<std::string>> Win32System::UninstallSubkeys() {
    Key key(HKEY_LOCAL_MACHINE, kUninstallKey);
    if (!key.get()) return std::nullopt;
    std::vector<std::string> names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        const LONG r = ::RegEnumKeyExW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r == ERROR_SUCCESS) names.push_back(Cp1252FromWide(std::wstring(name, length)));
    }
    return names;
}

std::optional<std::string> Win32System::UninstallValue(const std::string& subkey, const std::string& valueName) {
    Key key(HKEY_LOCAL_MACHINE, std::wstring(kUninstallKey) + L"\\" + WideFromCp1252(subkey));
    if (!key.get()) return std::nullopt;
    const std::wstring value = WideFromCp1252(valueName);
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(key.get(), value.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key.get(), value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    text.resize(::wcsnlen(text.c_str(), text.size()));
    return Cp1252FromWide(text);
}

std::optional<std::string> Win32System::BrowseForFolder(const std::string& title, const std::string& root,
                                                        uint32_t helpContext) {
    (void)helpContext;  // the dialog of this platform has no help button to carry it
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    PIDLIST_ABSOLUTE rootList = nullptr;
    if (!root.empty()) ::SHParseDisplayName(WideFromCp1252(root).c_str(), nullptr, &rootList, 0, nullptr);
    const std::wstring wideTitle = WideFromCp1252(title);
    BROWSEINFOW info{};
    info.hwndOwner = ::GetActiveWindow();
    info.pidlRoot = rootList;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    std::optional<std::string> chosen;
    if (PIDLIST_ABSOLUTE picked = ::SHBrowseForFolderW(&info)) {
        wchar_t path[MAX_PATH];
        if (::SHGetPathFromIDListW(picked, path)) chosen = Cp1252FromWide(path);
        ::CoTaskMemFree(picked);
    }
    if (rootList) ::CoTaskMemFree(rootList);
    if (SUCCEEDED(com)) ::CoUninitialize();
    return chosen;
}

void Win32System::Sleep(uint32_t ms) { ::Sleep(ms); }

Date Win32System::Today() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace zvsys
