#pragma once
// The operator when nobody is there (a deployment tool or CI started the
// installer without a terminal): every message box and message line goes to
// standard error, and a box is answered with its default button, OK or Yes,
// so that an unattended run never waits. Log lines go there too.
#include <cstdio>

#include "Operador.h"

namespace instala {

class OperadorSemTerminal : public Operador {
public:
    explicit OperadorSemTerminal(std::FILE* saida = stderr) : saida_(saida) {}
    int MessageBox(const std::string& text, const std::string& caption, uint32_t flags) override;
    void MostraMensagem(const std::string& text) override;
    void ProcessaMensagens() override {}
    void DefineEstado(EstadoJanela) override {}
    void TrazParaFrente() override {}
    void Registra(const std::string& text) override { MostraMensagem(text); }

private:
    std::FILE* saida_;
};

}  // namespace instala
