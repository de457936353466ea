#include "sim/ServiceData.h"

#include <vector>

namespace sim {
namespace {

std::vector<std::string_view> Entries(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find(';', start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

}  // namespace

std::optional<std::string> FindServiceEntry(std::string_view field20026, char letter,
                                            std::string_view subcode) {
    if (subcode.size() != 3) return std::nullopt;
    for (auto e : Entries(field20026)) {
        if (e.size() >= 4 && e[0] == letter && e.substr(1, 3) == subcode) return std::string(e.substr(1));
    }
    return std::nullopt;
}

std::string MergeServiceQ(std::string_view field20026, const std::map<std::string, std::string>& q) {
    std::map<std::string, std::string> pending = q;
    std::string out;
    for (auto e : Entries(field20026)) {
        std::string entry(e);
        if (e.size() >= 4 && e[0] == 'Q') {
            auto it = pending.find(std::string(e.substr(1, 3)));
            if (it != pending.end()) {
                entry = "Q" + it->first + it->second;
                pending.erase(it);
            }
        }
        out += entry + ';';
    }
    for (const auto& [sub, content] : pending) out += "Q" + sub + content + ';';
    return out;
}

}  // namespace sim
