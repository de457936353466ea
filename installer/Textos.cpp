#include "Textos.h"

#include "forms/Cp1252.h"

namespace instala::textos {

std::string Latin(const char* utf8) { return forms::Utf8ToCp1252(utf8); }

std::string Utf8(const std::string& cp1252) { return forms::Cp1252ToUtf8(cp1252); }

std::string Formata(const std::string& formato, const std::string& valor) {
    const auto at = formato.find("%s");
    if (at == std::string::npos) return formato;
    return formato.substr(0, at) + valor + formato.substr(at + 2);
}

}  // namespace instala::textos
