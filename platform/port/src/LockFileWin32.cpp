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

// The lock is a byte far past the end of the file: the file itself stays
// readable by everyone (a copy of the folder reads it like any other), and the
// system lets go of the byte when the holder's process ends.
OVERLAPPED LockedByte() {
    OVERLAPPED at{};
    at.OffsetHigh = 0x40000000;
    return at;
}

bool SameFile(HANDLE file, const std::wstring& path) {
    HANDLE again = ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (again == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    const bool same = ::GetFileInformationByHandle(file, &a) && ::GetFileInformationByHandle(again, &b) &&
                      a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
                      a.nFileIndexLow == b.nFileIndexLow;
    ::CloseHandle(again);
    return same;
}

}  // namespace

LockFile LockFile::Take(const std::string& path) {
    LockFile lock;
    lock.path_ = path;
    const std::wstring wide = WideFromCp1252(path);
    // Another holder may remove the file between our open and our lock: the
    // file we locked must still be the one under the name.
    for (int attempt = 0; attempt < 8; ++attempt) {
        // A link is opened as itself, never followed. Held for reading only: a
        // copy of the folder opens the file as any other and shares no more.
        HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD why = ::GetLastError();
            // A holder that has just let go leaves the name pending deletion for a moment.
            if (why == ERROR_ACCESS_DENIED && attempt + 1 < 8) {
                ::Sleep(25);
                continue;
            }
            lock.error_ = Describe(why);
            return lock;
        }
        BY_HANDLE_FILE_INFORMATION info{};
        if (!::GetFileInformationByHandle(file, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
            info.nNumberOfLinks != 1) {
            ::CloseHandle(file);
            lock.error_ = "not a plain file of its own";
            return lock;
        }
        OVERLAPPED at = LockedByte();
        if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
            const DWORD why = ::GetLastError();
            if (why == ERROR_LOCK_VIOLATION || why == ERROR_IO_PENDING) {
                lock.state_ = State::Busy;
                lock.other_ = LockHolder(ReadAll(file));
            } else {
                lock.error_ = Describe(why);
            }
            ::CloseHandle(file);
            return lock;
        }
        if (!SameFile(file, wide)) {
            ::CloseHandle(file);
            continue;
        }
        const std::string before = ReadAll(file);
        lock.takenOver_ = !before.empty();
        lock.other_ = LockHolder(before);
        const std::string mine = std::to_string(::GetCurrentProcessId()) + "\r\n";
        HANDLE writer = ::CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        DWORD written = 0;
        const bool ok = writer != INVALID_HANDLE_VALUE && SameFile(writer, wide) && ::SetEndOfFile(writer) &&
                        ::WriteFile(writer, mine.data(), static_cast<DWORD>(mine.size()), &written, nullptr) &&
                        written == mine.size();
        if (!ok) lock.error_ = Describe(::GetLastError());
        if (writer != INVALID_HANDLE_VALUE) ::CloseHandle(writer);
        if (!ok) {
            // Still ours: a file naming nobody (a full disk) is no lock to leave behind.
            ::DeleteFileW(wide.c_str());
            ::CloseHandle(file);
            return lock;
        }
        lock.handle_ = file;
        lock.state_ = State::Held;
        return lock;
    }
    lock.error_ = "the file kept changing";
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
    if (!handle_) return;
    // Removed while still held: whoever opens the old file afterwards finds it
    // is no longer under the name and takes a new one.
    ::DeleteFileW(WideFromCp1252(path_).c_str());
    ::CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace port
