#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "port/LockFile.h"

namespace port {

namespace {

std::string ReadAll(int fd) {
    std::string text;
    char buffer[64];
    ssize_t n = 0;
    off_t at = 0;
    while (text.size() < 256 && (n = ::pread(fd, buffer, sizeof buffer, at)) > 0) {
        text.append(buffer, static_cast<size_t>(n));
        at += n;
    }
    return text;
}

}  // namespace

LockFile LockFile::Take(const std::string& path) {
    LockFile lock;
    lock.path_ = path;
    // Another holder may remove the file between our open and our lock: the
    // file we locked must still be the one under the name.
    for (int attempt = 0; attempt < 8; ++attempt) {
        // Never through a link: the folder may be writable by others than us.
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            lock.error_ = std::strerror(errno);
            return lock;
        }
        struct stat own {};
        if (::fstat(fd, &own) != 0 || !S_ISREG(own.st_mode) || own.st_nlink != 1) {
            ::close(fd);
            lock.error_ = "not a plain file of its own";
            return lock;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int why = errno;
            if (why == EWOULDBLOCK) {
                lock.state_ = State::Busy;
                lock.other_ = LockHolder(ReadAll(fd));
            } else {
                lock.error_ = std::strerror(why);
            }
            ::close(fd);
            return lock;
        }
        struct stat named {};
        if (::stat(path.c_str(), &named) != 0 || named.st_ino != own.st_ino || named.st_dev != own.st_dev) {
            ::close(fd);
            continue;
        }
        const std::string before = ReadAll(fd);
        lock.takenOver_ = !before.empty();
        lock.other_ = LockHolder(before);
        const std::string mine = std::to_string(::getpid()) + "\r\n";
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, mine.data(), mine.size(), 0) != static_cast<ssize_t>(mine.size())) {
            lock.error_ = std::strerror(errno);
            // Still ours: a file naming nobody (a full disk) is no lock to leave behind.
            ::unlink(path.c_str());
            ::close(fd);
            return lock;
        }
        lock.fd_ = fd;
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
      fd_(other.fd_) {
    other.fd_ = -1;
}

LockFile::~LockFile() {
    if (fd_ < 0) return;
    // Removed while still held: whoever opens the old file afterwards finds it
    // is no longer under the name and takes a new one.
    ::unlink(path_.c_str());
    ::close(fd_);
}

}  // namespace port
