#include "system/CommandLine.h"

namespace zvsys {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

size_t ProgramName(const std::string& s, std::vector<std::string>& out) {
    size_t i = 0;
    std::string name;
    bool quoted = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (IsBlank(c) && !quoted) break;
        name += c;
    }
    out.push_back(std::move(name));
    return i;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& s) {
    std::vector<std::string> out;
    if (s.empty()) return out;
    size_t i = ProgramName(s, out);
    while (true) {
        while (i < s.size() && IsBlank(s[i])) ++i;
        if (i >= s.size()) break;
        std::string arg;
        bool quoted = false;
        while (i < s.size() && (quoted || !IsBlank(s[i]))) {
            if (s[i] == '\\') {
                size_t n = 0;
                while (i < s.size() && s[i] == '\\') ++n, ++i;
                if (i < s.size() && s[i] == '"') {
                    arg.append(n / 2, '\\');
                    if (n % 2 == 1) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg.append(n, '\\');
                }
                continue;
            }
            if (s[i] == '"') {
                if (quoted && i + 1 < s.size() && s[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            arg += s[i++];
        }
        out.push_back(std::move(arg));
    }
    return out;
}

}  // namespace zvsys
