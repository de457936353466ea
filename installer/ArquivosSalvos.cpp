#include "ArquivosSalvos.h"

#include "ArquivoIni.h"

namespace instala {

namespace {

const char* const kNomes[] = {"Cheque.ini", "ClienteTrn.ini"};

}  // namespace

ArquivosSalvos::ArquivosSalvos(zvsys::System& sistema, std::string diretorioCliente)
    : sistema_(sistema), diretorio_(std::move(diretorioCliente)) {}

std::string ArquivosSalvos::Arquivo(const std::string& nome) const { return Caminho(diretorio_, nome); }

std::string ArquivosSalvos::Registro() const { return Arquivo("Instala.pendente"); }

bool ArquivosSalvos::Falhou(const std::string& onde) {
    falha_ = onde;
    return false;
}

std::set<std::string> ArquivosSalvos::Anotados() {
    std::set<std::string> nomes;
    const auto texto = sistema_.FileExists(Registro()) ? sistema_.ReadFile(Registro()) : std::nullopt;
    for (const char* nome : kNomes) {
        if (texto && texto->find(std::string(nome) + "\r\n") != std::string::npos) nomes.insert(nome);
    }
    return nomes;
}

std::set<std::string> ArquivosSalvos::Pendentes() {
    std::set<std::string> nomes = Anotados();
    std::erase_if(nomes, [this](const std::string& nome) { return !sistema_.FileExists(Salvo(nome)); });
    return nomes;
}

bool ArquivosSalvos::Anota(const std::set<std::string>& nomes) {
    if (nomes.empty()) return !sistema_.FileExists(Registro()) || sistema_.DeleteFile(Registro());
    std::string texto;
    for (const auto& nome : nomes) texto += nome + "\r\n";
    return sistema_.WriteFile(Registro(), texto);
}

bool ArquivosSalvos::Salva() {
    std::set<std::string> pendentes = Pendentes();
    std::vector<std::string> salvar;
    mantidos_.clear();
    for (const char* nome : kNomes) {
        if (pendentes.count(nome) != 0) {
            mantidos_.push_back(Salvo(nome));
        } else if (sistema_.FileExists(Arquivo(nome))) {
            // A saved file of a finished run is out of date: the file itself is newer.
            if (sistema_.FileExists(Salvo(nome)) && !sistema_.DeleteFile(Salvo(nome))) return Falhou(Salvo(nome));
            salvar.push_back(nome);
        }
    }
    if (salvar.empty()) return true;
    // On the record before the rename, so a killed run leaves nothing unaccounted for.
    pendentes.insert(salvar.begin(), salvar.end());
    if (!Anota(pendentes)) return Falhou(Registro());
    for (const auto& nome : salvar) {
        if (!sistema_.MoveFile(Arquivo(nome), Salvo(nome))) {
            Devolve();
            return Falhou(Arquivo(nome));
        }
    }
    return true;
}

bool ArquivosSalvos::Conclui() { return Anota({}) || Falhou(Registro()); }

bool ArquivosSalvos::Devolve() {
    const std::set<std::string> anotados = Anotados();
    std::set<std::string> pendentes = Pendentes();
    bool ok = true;
    for (const char* nome : kNomes) {
        if (pendentes.count(nome) == 0 || sistema_.FileExists(Arquivo(nome))) continue;
        if (sistema_.MoveFile(Salvo(nome), Arquivo(nome))) {
            pendentes.erase(nome);
        } else {
            ok = Falhou(Salvo(nome));
        }
    }
    if (pendentes != anotados && !Anota(pendentes)) ok = Falhou(Registro());
    return ok;
}

}  // namespace instala
