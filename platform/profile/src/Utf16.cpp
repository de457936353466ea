#include "Utf16.h"

#include "cp1252/Cp1252.h"

namespace profile {

namespace {

void PutUnit(std::string& out, unsigned unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

}  // namespace

std::string DecodeUtf16Le(std::string_view units) {
    std::string out;
    out.reserve(units.size() / 2);
    auto unit = [&](size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(units[i])) |
               (static_cast<unsigned>(static_cast<unsigned char>(units[i + 1])) << 8);
    };
    for (size_t i = 0; i + 1 < units.size(); i += 2) {
        const unsigned u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < units.size()) {
            const unsigned low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                cp1252::AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        cp1252::AppendUtf8(out, u);
    }
    return out;
}

std::string EncodeUtf16Le(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    AppendUtf16Le(out, text);
    return out;
}

void AppendUtf16Le(std::string& out, std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        unsigned cp = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = lead < 0x80 || extra > 0;
        if (extra > 0 && i + extra >= text.size()) ok = false;
        for (size_t k = 1; ok && k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            ok = (b & 0xC0) == 0x80;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (!ok) {
            // Never made by this code; a byte that is no UTF-8 keeps its value as a unit.
            PutUnit(out, lead);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            PutUnit(out, 0xD800 + (cp >> 10));
            PutUnit(out, 0xDC00 + (cp & 0x3FF));
        } else {
            PutUnit(out, cp);
        }
        i += extra + 1;
    }
}

}  // namespace profile
