#pragma once
// The package a run started, named in the client folder's Instala.pacote from
// just before it starts until a run has seen it end. A package goes on after
// its caller dies (Windows Installer runs it, not Instala): while it may still
// write its files, no run restores or drops the settings saved for it.
#include <functional>
#include <string>

#include "system/System.h"

namespace instala {

class PacoteIniciado {
public:
    // How long a run waits for a package still at work before it stops.
    static constexpr uint32_t kEsperaMaximaMs = 15u * 60u * 1000u;
    static constexpr char kExecutor[] = "msiexec.exe";

    PacoteIniciado(zvsys::System& sistema, std::string diretorioCliente);

    std::string Registro() const;
    bool Anotado();
    // Before the start (no process yet), then with the started process's identity.
    bool Anota(const std::string& identidade);
    bool Remove();
    // The process the record names; empty when it names none or cannot be read.
    std::string Identidade();
    // Whether the recorded package, or any package of the machine, may still be at work.
    bool PodeEstarRodando();

private:
    zvsys::System& sistema_;
    std::string diretorio_;
};

// Waits in one-second slices while `ocupado` holds, up to `limiteMs`; true once it no
// longer does. `aguardando` is told once, before the first wait.
bool AguardaEnquanto(zvsys::System& sistema, const std::function<bool()>& ocupado, const std::function<void()>& aguardando,
                     uint32_t limiteMs = PacoteIniciado::kEsperaMaximaMs);

}  // namespace instala
