#include "profile/FileIo.h"

#include <fstream>
#include <iterator>

#include "port/Os.h"

namespace profile {

std::optional<std::string> LoadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool SaveFileAtomically(const std::string& path, const std::string& bytes) { return port::ReplaceWhole(path, bytes); }

}  // namespace profile
