#include "Textos.h"

namespace instala::textos {

std::string Latin(const char* utf8) {
    std::string out;
    for (const char* p = utf8; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        // Two-byte sequences C2/C3 xx are U+0080 to U+00FF, the same codes in CP1252's Latin-1 half.
        if ((c == 0xC2 || c == 0xC3) && p[1] != '\0') {
            out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(p[1]) & 0x3F));
            ++p;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string Utf8(const std::string& cp1252) {
    std::string out;
    for (char ch : cp1252) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else if (c < 0xA0) {
            out += '?';
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Formata(const std::string& formato, const std::string& valor) {
    const auto at = formato.find("%s");
    if (at == std::string::npos) return formato;
    return formato.substr(0, at) + valor + formato.substr(at + 2);
}

}  // namespace instala::textos
