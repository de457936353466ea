#include "profile/FileIo.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "port/Os.h"

namespace profile {

// Sized before it is read: a large settings file is held once, never in the
// doubling copies a growing string makes.
std::optional<std::string> LoadFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const uintmax_t size = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    if (!ec && size < bytes.max_size()) bytes.reserve(static_cast<size_t>(size));
    // Read to its end, also what grew since it was sized.
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

namespace {

// port::ReplaceWhole names its temporary "<file>.zvtmp.XXXXXX".
constexpr char kTemporaryMark[] = ".zvtmp.";
constexpr size_t kTemporarySuffix = 6;

}  // namespace

bool SaveFileAtomically(const std::string& path, const std::string& bytes) { return port::ReplaceWhole(path, bytes); }

int RemoveStrayTemporaries(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::error_code fileError;  // one file that cannot be removed does not end the listing
    int removed = 0;
    // A folder that is a link leads out of the folder it stands in: left alone.
    if (fs::is_symlink(fs::path(folder), ec) || ec) return 0;
    for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        const std::string name = entry.path().filename().string();
        const size_t mark = name.rfind(kTemporaryMark);
        if (mark == std::string::npos || mark == 0 ||
            name.size() != mark + sizeof kTemporaryMark - 1 + kTemporarySuffix ||
            !entry.is_regular_file(fileError)) {
            continue;
        }
        if (fs::remove(entry.path(), fileError)) ++removed;
    }
    return removed;
}

}  // namespace profile
