#pragma once
// A lock file: one holder at a time, across processes and within one. The
// system lets go of it when the holder's process ends, however it ends, so a
// killed holder never keeps others out; the file it leaves names it, which is
// how the next holder knows it took over.
#include <cstdint>
#include <string>

namespace port {

class LockFile {
public:
    enum class State {
        Held,     // ours until this object goes
        Busy,     // a live holder has it
        Refused,  // not a plain file of its own (a link, a second name), or it cannot be made
    };

    // Takes `path`, creating it; the file then holds this process's id.
    static LockFile Take(const std::string& path);

    LockFile(LockFile&& other) noexcept;
    LockFile& operator=(LockFile&&) = delete;
    LockFile(const LockFile&) = delete;
    ~LockFile();  // lets go and removes the file

    State GetState() const { return state_; }
    // Held: the file was there, left by a holder that ended without letting go.
    bool TakenOver() const { return takenOver_; }
    // The process id the file named before: the live holder's (Busy) or the
    // ended one's (TakenOver); 0 when it named none.
    uint32_t Other() const { return other_; }
    const std::string& Error() const { return error_; }

private:
    LockFile() = default;
    State state_ = State::Refused;
    bool takenOver_ = false;
    uint32_t other_ = 0;
    std::string error_;
    std::string path_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// The process id a lock file's text names; 0 when none.
inline uint32_t LockHolder(const std::string& text) {
    uint64_t id = 0;
    size_t i = 0;
    for (; i < text.size() && i < 10 && text[i] >= '0' && text[i] <= '9'; ++i) id = id * 10 + static_cast<uint64_t>(text[i] - '0');
    return i == 0 || id > UINT32_MAX ? 0 : static_cast<uint32_t>(id);
}

}  // namespace port
