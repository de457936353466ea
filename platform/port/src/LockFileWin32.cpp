#include <windows.h>

#include "port/LockFile.h"
#include "port/Os.h"

namespace port {

namespace {

std::string ReadAll(HANDLE file) {
    char buffer[256];
    DWORD got = 0;
    OVERLAPPED at{};
    if (!::ReadFile(file, buffer, sizeof buffer, &got, &at)) return {};
    return std::string(buffer, got);
}

std::string Describe(DWORD error) { return "Windows error " + std::to_string(error); }

}  // namespace

LockFile LockFile::Take(const std::string& path) {
    LockFile lock;
    lock.path_ = path;
    const std::wstring wide = WideFromCp1252(path);
    for (int attempt = 0; attempt < 8; ++attempt) {
        // Shared for reading only, so a second holder is refused while we live;
        // the system removes the file when our handle closes, also when the
        // process is killed. A link is opened as itself, never followed.
        HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT,
                                    nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD why = ::GetLastError();
            if (why == ERROR_SHARING_VIOLATION) {
                lock.state_ = State::Busy;
                HANDLE reader = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
                if (reader != INVALID_HANDLE_VALUE) {
                    lock.other_ = LockHolder(ReadAll(reader));
                    ::CloseHandle(reader);
                }
                return lock;
            }
            // A holder that has just let go leaves the name pending deletion for a moment.
            if (why == ERROR_ACCESS_DENIED && attempt + 1 < 8) {
                ::Sleep(25);
                continue;
            }
            lock.error_ = Describe(why);
            return lock;
        }
        const bool existed = ::GetLastError() == ERROR_ALREADY_EXISTS;
        BY_HANDLE_FILE_INFORMATION info{};
        if (!::GetFileInformationByHandle(file, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
            info.nNumberOfLinks != 1) {
            ::CloseHandle(file);
            lock.error_ = "not a plain file of its own";
            return lock;
        }
        const std::string before = existed ? ReadAll(file) : std::string();
        lock.takenOver_ = !before.empty();
        lock.other_ = LockHolder(before);
        const std::string mine = std::to_string(::GetCurrentProcessId()) + "\r\n";
        DWORD written = 0;
        if (::SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER || !::SetEndOfFile(file) ||
            !::WriteFile(file, mine.data(), static_cast<DWORD>(mine.size()), &written, nullptr) ||
            written != mine.size()) {
            lock.error_ = Describe(::GetLastError());
            ::CloseHandle(file);
            return lock;
        }
        lock.handle_ = file;
        lock.state_ = State::Held;
        return lock;
    }
    lock.error_ = "the file stayed pending deletion";
    return lock;
}

LockFile::LockFile(LockFile&& other) noexcept
    : state_(other.state_),
      takenOver_(other.takenOver_),
      other_(other.other_),
      error_(std::move(other.error_)),
      path_(std::move(other.path_)),
      handle_(other.handle_) {
    other.handle_ = nullptr;
}

LockFile::~LockFile() {
    if (handle_) ::CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace port
