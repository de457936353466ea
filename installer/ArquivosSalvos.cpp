#include "ArquivosSalvos.h"

#include "ArquivoIni.h"

namespace instala {

namespace {

const char* const kNomes[] = {"Cheque.ini", "ClienteTrn.ini"};

// A first and a last line, so that a record cut short anywhere does not read
// as a shorter list.
constexpr char kCabecalho[] = "ZV-PENDENTE 1\r\n";
constexpr char kFim[] = "FIM\r\n";

bool Conhecido(const std::string& nome) {
    for (const char* n : kNomes) {
        if (nome == n) return true;
    }
    return false;
}

}  // namespace

ArquivosSalvos::ArquivosSalvos(zvsys::System& sistema, std::string diretorioCliente)
    : sistema_(sistema), diretorio_(std::move(diretorioCliente)) {}

std::string ArquivosSalvos::Arquivo(const std::string& nome) const { return Caminho(diretorio_, nome); }

std::string ArquivosSalvos::Registro() const { return Arquivo("Instala.pendente"); }

bool ArquivosSalvos::Falhou(const std::string& onde) {
    falha_ = onde;
    return false;
}

std::optional<std::set<std::string>> ArquivosSalvos::Anotados() {
    if (!sistema_.FileExists(Registro())) {
        // Something by that name that is no file is no record either.
        if (sistema_.DirectoryExists(Registro())) return std::nullopt;
        return std::set<std::string>{};
    }
    const auto texto = sistema_.ReadFile(Registro());
    const std::string cabecalho = kCabecalho, fim = kFim;
    if (!texto || texto->compare(0, cabecalho.size(), cabecalho) != 0 || texto->size() < cabecalho.size() + fim.size() ||
        texto->compare(texto->size() - fim.size(), fim.size(), fim) != 0) {
        return std::nullopt;
    }
    std::set<std::string> nomes;
    size_t inicio = cabecalho.size();
    const size_t ultimo = texto->size() - fim.size();
    while (inicio < ultimo) {
        const size_t quebra = texto->find("\r\n", inicio);
        if (quebra == std::string::npos || quebra + 2 > ultimo) return std::nullopt;
        const std::string nome = texto->substr(inicio, quebra - inicio);
        if (!Conhecido(nome) || !nomes.insert(nome).second) return std::nullopt;
        inicio = quebra + 2;
    }
    if (inicio != ultimo) return std::nullopt;
    return nomes;
}

bool ArquivosSalvos::RegistroDanificado() { return !Anotados().has_value(); }

std::set<std::string> ArquivosSalvos::Pendentes() {
    const auto anotados = Anotados();
    std::set<std::string> nomes;
    for (const char* nome : kNomes) {
        // Unreadable, the record may have named any of them: each saved file stays the till's.
        if ((!anotados || anotados->count(nome) != 0) && sistema_.FileExists(Salvo(nome))) nomes.insert(nome);
    }
    return nomes;
}

bool ArquivosSalvos::Anota(const std::set<std::string>& nomes) {
    if (nomes.empty()) return !sistema_.FileExists(Registro()) || sistema_.DeleteFile(Registro());
    std::string texto = kCabecalho;
    for (const auto& nome : nomes) texto += nome + "\r\n";
    return sistema_.WriteFile(Registro(), texto + kFim);
}

bool ArquivosSalvos::ReparaRegistro() {
    if (!RegistroDanificado()) return true;
    return Anota(Pendentes()) || Falhou(Registro());
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
            // It is our own copy, even where it kept a read-only file's attribute.
            if (sistema_.FileExists(Salvo(nome))) {
                sistema_.MakeWritable(Salvo(nome));
                if (!sistema_.DeleteFile(Salvo(nome))) return Falhou(Salvo(nome));
            }
            salvar.push_back(nome);
        }
    }
    if (salvar.empty()) return !RegistroDanificado() || Anota(pendentes) || Falhou(Registro());
    // On the record before the rename, so a killed run leaves nothing unaccounted for.
    pendentes.insert(salvar.begin(), salvar.end());
    if (!Anota(pendentes)) return Falhou(Registro());
    for (const auto& nome : salvar) {
        if (!sistema_.MoveFile(Arquivo(nome), Salvo(nome))) {
            Devolve();
            return Falhou(Arquivo(nome));
        }
        // Ours from now on: the configuration is written into it and a later run removes it.
        sistema_.MakeWritable(Salvo(nome));
    }
    return true;
}

bool ArquivosSalvos::Conclui() { return Anota({}) || Falhou(Registro()); }

bool ArquivosSalvos::Devolve() {
    const bool danificado = RegistroDanificado();
    const std::set<std::string> antes = Pendentes();
    std::set<std::string> pendentes = antes;
    devolvidos_.clear();
    bool ok = true;
    for (const char* nome : kNomes) {
        if (pendentes.count(nome) == 0 || sistema_.FileExists(Arquivo(nome))) continue;
        if (sistema_.MoveFile(Salvo(nome), Arquivo(nome))) {
            pendentes.erase(nome);
            devolvidos_.push_back(nome);
        } else {
            ok = Falhou(Salvo(nome));
        }
    }
    if ((danificado || pendentes != antes) && !Anota(pendentes)) ok = Falhou(Registro());
    return ok;
}

}  // namespace instala
