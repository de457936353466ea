#include "Textos.h"

#include "cp1252/Cp1252.h"

namespace instala::textos {

std::string Latin(const char* utf8) { return cp1252::Utf8ToCp1252(utf8); }

std::string Utf8(const std::string& cp1252) { return cp1252::Cp1252ToUtf8(cp1252); }

std::string Formata(const std::string& formato, std::initializer_list<std::string> valores) {
    std::string out;
    size_t de = 0;
    for (const std::string& valor : valores) {
        const auto at = formato.find("%s", de);
        if (at == std::string::npos) break;
        out.append(formato, de, at - de);
        out += valor;
        de = at + 2;
    }
    return out + formato.substr(de);
}

}  // namespace instala::textos
