#pragma once
// The operating system's few services that differ between POSIX and Windows.
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace port {

// Full path of the running program; empty when it cannot be told.
std::string ProgramPath();
// The folder of the running program (no trailing separator), "." when unknown.
std::string ProgramFolder();
// The local calendar time of a moment.
std::tm LocalTime(std::time_t moment);
int ProcessId();
// The most memory the process has held, in KiB; -1 when unknown.
long PeakMemoryKb();
bool FileExists(const std::string& path);
// A whole file's bytes; false with the system's reason ("No such file or
// directory", "Is a directory", ...) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason);
// Whether the file may be run as a program (on Windows any file may be tried).
bool IsRunnable(const std::string& path);
// What separates the folders of the PATH variable.
#ifdef _WIN32
constexpr char kPathListSeparator = ';';
#else
constexpr char kPathListSeparator = ':';
#endif
// A new empty folder under the temporary folder, named from the prefix;
// empty when none can be made.
std::string NewTempFolder(const std::string& prefix);
// Replaces (or creates) a file whole: a crash or a failed write leaves the old
// content; the new file keeps the old one's permissions. A read-only file is
// refused and left as it is. The temporary is "<file>.zvtmp." and six characters.
bool ReplaceWhole(const std::string& path, const std::vector<std::string_view>& parts);
inline bool ReplaceWhole(const std::string& path, std::string_view bytes) {
    return ReplaceWhole(path, std::vector<std::string_view>{bytes});
}
// The next parts of a file being written, valid until the next call; none when
// the file is whole. False when they cannot be had: the write is given up.
using PartSource = std::function<bool(std::vector<std::string_view>& parts)>;
// ReplaceWhole with the parts given a few at a time, so that a file larger than
// what the process may hold at once is written in one replacement.
bool ReplaceWholeFrom(const std::string& path, const PartSource& next);
// Up to `length` bytes of a file from `offset` (fewer at its end); nullopt
// when it cannot be read.
std::optional<std::string> ReadFileRange(const std::string& path, uint64_t offset, size_t length);

// A shared library (a DLL on Windows) loaded for good: it stays mapped until
// the process ends.
class Library {
public:
    // Empty when it cannot be loaded; Error() tells why.
    static Library Load(const std::string& path);
    bool Loaded() const { return handle_ != nullptr; }
    const std::string& Error() const { return error_; }
    // The exported symbol, null when absent.
    void* Symbol(const char* name) const;

private:
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace port

namespace port {

// A function the running program itself exports; null when it has none.
void* ProgramSymbol(const char* name);

#ifdef _WIN32
// Texts and paths are CP1252 in the tree and wide on the platform's API.
std::wstring WideFromCp1252(const std::string& cp1252);
std::string Cp1252FromWide(const std::wstring& wide);
#endif

}  // namespace port
