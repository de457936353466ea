#include "system/WindowsPath.h"

#include <cctype>
#include <vector>

namespace zvsys {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

std::string NormalizeFolder(const std::string& folder) {
    std::string s = folder;
    for (char& c : s) {
        if (c == '/') c = '\\';
    }
    std::string prefix;
    size_t at = 0;
    bool rooted = false;
    if (s.compare(0, 2, "\\\\") == 0) {
        prefix = "\\\\";
        at = 2;
        rooted = true;
    } else if (s.size() >= 2 && s[1] == ':' && std::isalpha(static_cast<unsigned char>(s[0]))) {
        prefix = std::string(1, Upper(s[0])) + ":";
        at = 2;
        if (at < s.size() && s[at] == '\\') {
            prefix += '\\';
            rooted = true;
        }
    } else if (!s.empty() && s[0] == '\\') {
        prefix = "\\";
        rooted = true;
    }

    std::vector<std::string> parts;
    while (at <= s.size()) {
        const size_t end = std::min(s.find('\\', at), s.size());
        const std::string part = s.substr(at, end - at);
        at = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
        } else if (part != ".." || !rooted) {
            parts.push_back(part);
        }
    }
    std::string out = prefix;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += '\\';
        out += parts[i];
    }
    return out;
}

bool IsSameOrInside(const std::string& path, const std::string& folder) {
    const std::string p = NormalizeFolder(path);
    std::string f = NormalizeFolder(folder);
    if (f.empty()) return false;
    auto same = [](const std::string& a, const std::string& b, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            if (Upper(a[i]) != Upper(b[i])) return false;
        }
        return true;
    };
    if (p.size() == f.size()) return same(p, f, p.size());
    if (f.back() != '\\') f += '\\';
    return p.size() > f.size() && same(p, f, f.size());
}

}  // namespace zvsys
