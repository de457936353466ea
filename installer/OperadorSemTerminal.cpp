#include "OperadorSemTerminal.h"

#include "Textos.h"

namespace instala {

namespace {

// One line per box: its line breaks become " / ".
std::string UmaLinha(const std::string& texto) {
    std::string out;
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' || texto[i] == '\n') {
            if (i + 1 < texto.size() && texto[i] == '\r' && texto[i + 1] == '\n') ++i;
            out += " / ";
        } else {
            out += texto[i];
        }
    }
    return textos::Utf8(out);
}

}  // namespace

int OperadorSemTerminal::MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    const bool simNao = (flags & 0xF) == kMbYesNo;
    std::fprintf(saida_, "Instala: [%s] %s (%s)\n", UmaLinha(caption).c_str(), UmaLinha(text).c_str(),
                 simNao ? "Sim" : "OK");
    std::fflush(saida_);
    return simNao ? kIdYes : kIdOk;
}

void OperadorSemTerminal::MostraMensagem(const std::string& text) {
    std::fprintf(saida_, "Instala: %s\n", UmaLinha(text).c_str());
    std::fflush(saida_);
}

}  // namespace instala
