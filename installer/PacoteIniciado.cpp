#include "PacoteIniciado.h"

#include "ArquivoIni.h"

namespace instala {

namespace {

// A first and a last line: a record cut short names no process.
constexpr char kCabecalho[] = "ZV-PACOTE 1\r\n";
constexpr char kFim[] = "\r\nFIM\r\n";

}  // namespace

PacoteIniciado::PacoteIniciado(zvsys::System& sistema, std::string diretorioCliente)
    : sistema_(sistema), diretorio_(std::move(diretorioCliente)) {}

std::string PacoteIniciado::Registro() const { return Caminho(diretorio_, "Instala.pacote"); }

bool PacoteIniciado::Anotado() { return sistema_.FileExists(Registro()) || sistema_.DirectoryExists(Registro()); }

bool PacoteIniciado::Anota(const std::string& identidade) {
    return sistema_.WriteFile(Registro(), std::string(kCabecalho) + identidade + kFim);
}

bool PacoteIniciado::Remove() { return !sistema_.FileExists(Registro()) || sistema_.DeleteFile(Registro()); }

std::string PacoteIniciado::Identidade() {
    const auto texto = sistema_.ReadFile(Registro());
    const std::string cabecalho = kCabecalho, fim = kFim;
    if (!texto || texto->size() > 256 || texto->size() < cabecalho.size() + fim.size() ||
        texto->compare(0, cabecalho.size(), cabecalho) != 0 ||
        texto->compare(texto->size() - fim.size(), fim.size(), fim) != 0) {
        return {};
    }
    return texto->substr(cabecalho.size(), texto->size() - cabecalho.size() - fim.size());
}

bool PacoteIniciado::PodeEstarRodando() {
    // A record without a process (killed between the start and the note) leaves
    // the machine's own signal to tell.
    const std::string identidade = Identidade();
    return (!identidade.empty() && sistema_.MayStillRun(identidade)) || sistema_.InstallerBusy(kExecutor);
}

bool AguardaEnquanto(zvsys::System& sistema, const std::function<bool()>& ocupado, const std::function<void()>& aguardando,
                     uint32_t limiteMs) {
    constexpr uint32_t kFatia = 1000;
    for (uint32_t esperado = 0; ocupado(); esperado += kFatia) {
        if (esperado >= limiteMs) return false;
        if (esperado == 0) aguardando();
        sistema.Sleep(kFatia);
    }
    return true;
}

}  // namespace instala
