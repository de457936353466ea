#include "profile/CaseFold.h"

namespace profile {

char FoldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    // Latin-1 capitals, except the multiplication sign.
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
    // The capitals CP1252 places in 0x80-0x9F: S caron, OE, Z caron, Y diaeresis.
    switch (u) {
        case 0x8A: return static_cast<char>(0x9A);
        case 0x8C: return static_cast<char>(0x9C);
        case 0x8E: return static_cast<char>(0x9E);
        case 0x9F: return static_cast<char>(0xFF);
        default: return c;
    }
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

std::string FoldName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = FoldCase(c);
    return folded;
}

}  // namespace profile
