#include <windows.h>
#include <psapi.h>
#include <process.h>

#include <algorithm>
#include <cwchar>
#include <filesystem>

#include "port/Os.h"

namespace port {

std::wstring WideFromCp1252(const std::string& cp1252) {
    if (cp1252.empty()) return {};
    const int n = ::MultiByteToWideChar(1252, 0, cp1252.data(), static_cast<int>(cp1252.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(1252, 0, cp1252.data(), static_cast<int>(cp1252.size()), wide.data(), n);
    return wide;
}

std::string Cp1252FromWide(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = ::WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
    return text;
}

std::string ProgramPath() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    if (n == 0 || n >= std::size(path)) return {};
    return Cp1252FromWide(std::wstring(path, n));
}

std::string ProgramFolder() {
    const std::string exe = ProgramPath();
    const auto slash = exe.find_last_of("\\/");
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

std::tm LocalTime(std::time_t moment) {
    std::tm parts{};
    ::localtime_s(&parts, &moment);
    return parts;
}

int ProcessId() { return static_cast<int>(::GetCurrentProcessId()); }

long PeakMemoryKb() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) return -1;
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(WideFromCp1252(path)), ec);
}

bool IsRunnable(const std::string& path) { return FileExists(path); }

std::string NewTempFolder(const std::string& prefix) {
    wchar_t temp[MAX_PATH];
    if (!::GetTempPathW(MAX_PATH, temp)) return {};
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::wstring folder = temp + WideFromCp1252(prefix) + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                    std::to_wstring(attempt);
        if (::CreateDirectoryW(folder.c_str(), nullptr)) return Cp1252FromWide(folder);
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return {};
    }
    return {};
}

// Written beside the file, flushed, then moved over it in one step.
bool ReplaceWholeFrom(const std::string& path, const PartSource& next) {
    const std::wstring target = WideFromCp1252(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
    // Six characters after the mark, as on POSIX, so a stray one is recognised.
    wchar_t suffix[8];
    ::swprintf(suffix, 8, L"%06lu", static_cast<unsigned long>(::GetCurrentProcessId() % 1000000));
    const std::wstring temp = target + L".zvtmp." + suffix;
    HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    std::vector<std::string_view> parts;
    try {
        while (ok) {
            parts.clear();
            ok = next(parts);
            if (!ok || parts.empty()) break;
            for (const std::string_view bytes : parts) {
                size_t done = 0;
                while (ok && done < bytes.size()) {
                    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
                    DWORD written = 0;
                    ok = ::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
                    done += written;
                }
            }
        }
    } catch (...) {
        // (memory run out while the parts were made): the old file stays, no temporary is left.
        ::CloseHandle(file);
        ::DeleteFileW(temp.c_str());
        throw;
    }
    ok = ::FlushFileBuffers(file) && ok;
    ok = ::CloseHandle(file) && ok;
    ok = ok && ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) ::DeleteFileW(temp.c_str());
    return ok;
}

std::optional<std::string> ReadFileRange(const std::string& path, uint64_t offset, size_t length) {
    HANDLE file = ::CreateFileW(WideFromCp1252(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER at, size;
    at.QuadPart = static_cast<LONGLONG>(offset);
    bool ok = ::GetFileSizeEx(file, &size) != 0 && ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != 0;
    // A length past the end (a damaged record's) never reserves more than the file holds.
    const uint64_t end = ok ? static_cast<uint64_t>(size.QuadPart) : 0;
    length = offset >= end ? 0 : static_cast<size_t>(std::min<uint64_t>(length, end - offset));
    std::string bytes(length, '\0');
    size_t done = 0;
    while (ok && done < length) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(length - done, 1u << 20));
        DWORD read = 0;
        ok = ::ReadFile(file, bytes.data() + done, chunk, &read, nullptr) != 0;
        if (!ok || read == 0) break;
        done += read;
    }
    ::CloseHandle(file);
    if (!ok) return std::nullopt;
    bytes.resize(done);
    return bytes;
}

Library Library::Load(const std::string& path) {
    Library lib;
    lib.handle_ = ::LoadLibraryW(WideFromCp1252(path).c_str());
    if (!lib.handle_) lib.error_ = "Windows error " + std::to_string(::GetLastError());
    return lib;
}

void* Library::Symbol(const char* name) const {
    if (!handle_) return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle_), name));
}

}  // namespace port

namespace port {

void* ProgramSymbol(const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(nullptr), name));
}

}  // namespace port
