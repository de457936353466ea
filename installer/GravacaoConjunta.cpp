#include "GravacaoConjunta.h"

#include <charconv>
#include <deque>

#include "profile/CaseFold.h"
#include "system/WindowsPath.h"

namespace instala {

namespace {

// The first line says which way a later start takes an interrupted write. Since
// version 2 the files are named within the intent's own folder; version 1 gave
// whole paths, still read when they lie in that folder.
constexpr std::string_view kConcluir = "ZV-GRAVACAO 2 CONCLUIR\n";
constexpr std::string_view kDesfazer = "ZV-GRAVACAO 2 DESFAZER\n";
constexpr std::string_view kConcluirV1 = "ZV-GRAVACAO 1 CONCLUIR\n";
constexpr std::string_view kDesfazerV1 = "ZV-GRAVACAO 1 DESFAZER\n";
constexpr std::string_view kFim = "FIM\n";

// The intent's bytes as parts, without copying the contents.
class Intencao {
public:
    Intencao(const std::vector<GravacaoConjunta::Arquivo>& arquivos, bool desfazer) {
        partes.push_back(desfazer ? kDesfazer : kConcluir);
        for (const auto& a : arquivos) {
            Pequeno(a.nome + "\n");
            Texto(a.antigo);
            Texto(a.novo);
        }
        partes.push_back(kFim);
    }
    std::vector<std::string_view> partes;

private:
    void Pequeno(std::string s) { partes.push_back(pequenos_.emplace_back(std::move(s))); }
    void Texto(std::optional<std::string_view> texto) {
        if (!texto) {
            partes.push_back("-\n");
            return;
        }
        Pequeno(std::to_string(texto->size()) + "\n");
        partes.push_back(*texto);
        partes.push_back("\n");
    }
    std::deque<std::string> pequenos_;  // stays where it is while the parts point into it
};

// One file as an intent gives it; a damaged intent may stop inside it.
struct Entrada {
    std::string nome;
    bool temAntigo = false;
    std::optional<std::string_view> antigo;
    bool temNovo = false;
    std::string_view novo;
};

// Reads what Intencao wrote, as far as it goes.
class Leitor {
public:
    explicit Leitor(std::string_view bytes) : bytes_(bytes) {}

    bool cabecalho = false;  // a known first line
    bool desfazer = false;
    bool versao1 = false;
    bool inteiro = false;    // read to its end marker with nothing after it
    std::vector<Entrada> entradas;

    void Le() {
        desfazer = Literal(kDesfazer) || (versao1 = Literal(kDesfazerV1));
        cabecalho = desfazer || Literal(kConcluir) || (versao1 = Literal(kConcluirV1));
        if (!cabecalho) return;
        while (!Literal(kFim)) {
            const auto nome = Linha();
            if (!nome || nome->empty()) return;
            Entrada& e = entradas.emplace_back();
            e.nome = std::string(*nome);
            if (!(e.temAntigo = Texto(e.antigo))) return;
            std::optional<std::string_view> novo;
            if (!Texto(novo) || !novo) return;
            e.temNovo = true;
            e.novo = *novo;
        }
        inteiro = pos_ == bytes_.size();
    }

private:
    bool Literal(std::string_view s) {
        if (bytes_.substr(pos_, s.size()) != s) return false;
        pos_ += s.size();
        return true;
    }
    std::optional<std::string_view> Linha() {
        const size_t fim = bytes_.find('\n', pos_);
        if (fim == std::string_view::npos) return std::nullopt;
        const std::string_view linha = bytes_.substr(pos_, fim - pos_);
        pos_ = fim + 1;
        return linha;
    }
    bool Texto(std::optional<std::string_view>& texto) {
        const auto tamanho = Linha();
        if (!tamanho) return false;
        if (*tamanho == "-") {
            texto.reset();
            return true;
        }
        size_t n = 0;
        const auto r = std::from_chars(tamanho->data(), tamanho->data() + tamanho->size(), n);
        if (r.ec != std::errc() || r.ptr != tamanho->data() + tamanho->size() || tamanho->empty() ||
            n >= bytes_.size() - pos_ || bytes_[pos_ + n] != '\n') {
            return false;
        }
        texto = bytes_.substr(pos_, n);
        pos_ += n + 1;
        return true;
    }

    std::string_view bytes_;
    size_t pos_ = 0;
};

}  // namespace

GravacaoConjunta::GravacaoConjunta(zvsys::System& sistema, std::string pasta, std::vector<std::string> permitidos)
    : sistema_(sistema), pasta_(std::move(pasta)), permitidos_(std::move(permitidos)) {}

std::string GravacaoConjunta::Caminho(const std::string& nome) const { return pasta_ + "\\" + nome; }

std::string GravacaoConjunta::Intencao() const { return Caminho("Instala.gravacao"); }

bool GravacaoConjunta::Grava(const std::vector<Arquivo>& arquivos) {
    if (arquivos.empty()) return true;
    // One file is replaced whole by the system on its own.
    if (arquivos.size() > 1 && !sistema_.WriteFileParts(Intencao(), instala::Intencao(arquivos, false).partes)) {
        falha_ = Intencao();
        return false;
    }
    for (size_t i = 0; i < arquivos.size(); ++i) {
        if (sistema_.WriteFile(Caminho(arquivos[i].nome), arquivos[i].novo)) continue;
        falha_ = Caminho(arquivos[i].nome);
        if (arquivos.size() > 1) {
            // Undone now, or by the next start if this process dies first.
            sistema_.WriteFileParts(Intencao(), instala::Intencao(arquivos, true).partes);
            if (Desfaz(arquivos)) sistema_.DeleteFile(Intencao());
        }
        return false;
    }
    // An intent left behind finds every file already new: harmless.
    if (arquivos.size() > 1) sistema_.DeleteFile(Intencao());
    return true;
}

bool GravacaoConjunta::Desfaz(const std::vector<Arquivo>& arquivos) {
    bool ok = true;
    for (const auto& a : arquivos) {
        const std::string caminho = Caminho(a.nome);
        const auto atual = sistema_.ReadFile(caminho);
        if (!atual || *atual != a.novo) continue;
        ok = (a.antigo ? sistema_.WriteFile(caminho, *a.antigo) : sistema_.DeleteFile(caminho)) && ok;
    }
    return ok;
}

std::string GravacaoConjunta::NomePermitido(const std::string& entrada, bool caminhoInteiro) const {
    std::string nome = entrada;
    const size_t barra = entrada.find_last_of('\\');
    if (barra != std::string::npos) {
        if (!caminhoInteiro) return {};
        // A whole path (the first version's) counts only inside this very folder.
        const std::string pasta = entrada.substr(0, barra);
        if (pasta.empty() || !zvsys::IsSameOrInside(pasta, pasta_) || !zvsys::IsSameOrInside(pasta_, pasta)) return {};
        nome = entrada.substr(barra + 1);
    }
    for (const auto& permitido : permitidos_) {
        if (profile::EqualsNoCase(nome, permitido)) return permitido;
    }
    return {};
}

GravacaoConjunta::Retomada GravacaoConjunta::Retoma() {
    if (!sistema_.FileExists(Intencao())) return Retomada::NadaPendente;
    const auto bytes = sistema_.ReadFile(Intencao());
    if (!bytes) return Falhou(Intencao());
    Leitor leitor(*bytes);
    leitor.Le();

    std::vector<Arquivo> inteiros;
    std::vector<Parcial> partidos;
    for (const auto& e : leitor.entradas) {
        const std::string nome = NomePermitido(e.nome, leitor.versao1);
        if (nome.empty()) return Recusa(e.nome);
        if (e.temNovo) {
            inteiros.push_back({nome, e.antigo, e.novo});
        } else {
            partidos.push_back({nome, e.temAntigo, e.antigo});
        }
    }
    if (!leitor.cabecalho || !leitor.inteiro) return Danificada(inteiros, partidos);

    bool concluida = !leitor.desfazer;
    for (auto a = inteiros.begin(); concluida && a != inteiros.end(); ++a) {
        const std::string caminho = Caminho(a->nome);
        const std::optional<std::string> atual = sistema_.FileExists(caminho) ? sistema_.ReadFile(caminho) : std::nullopt;
        // A file that is neither old nor new was changed since by someone else: it stays as it is.
        if (atual == a->antigo && !sistema_.WriteFile(caminho, a->novo)) {
            falha_ = caminho;
            concluida = false;
        }
    }
    if (!concluida && !Desfaz(inteiros)) return Retomada::Falhou;
    if (!sistema_.DeleteFile(Intencao())) return Falhou(Intencao());
    return concluida ? Retomada::Concluida : Retomada::Desfeita;
}

GravacaoConjunta::Retomada GravacaoConjunta::Recusa(const std::string& nome) {
    // Kept for whoever looks into it, under a name no start reads again.
    for (int n = 1; n <= 99; ++n) {
        const std::string aParte = Intencao() + ".recusada" + (n == 1 ? "" : "." + std::to_string(n));
        if (sistema_.FileExists(aParte) || sistema_.DirectoryExists(aParte)) continue;
        if (!sistema_.MoveFile(Intencao(), aParte)) return Falhou(Intencao());
        motivo_ = nome + " -> " + aParte;
        return Retomada::Recusada;
    }
    return Falhou(Intencao());
}

GravacaoConjunta::Retomada GravacaoConjunta::Danificada(const std::vector<Arquivo>& inteiros,
                                                        const std::vector<Parcial>& partidos) {
    estados_.clear();
    auto atual = [this](const std::string& nome) {
        const std::string caminho = Caminho(nome);
        return sistema_.FileExists(caminho) ? sistema_.ReadFile(caminho) : std::nullopt;
    };
    for (const auto& a : inteiros) {
        const auto agora = atual(a.nome);
        Estado e{a.nome, Versao::Outra, false};
        if (agora == a.antigo) {
            e.versao = Versao::Antiga;
        } else if (agora && *agora == a.novo) {
            // The record holds this file whole: its old content is proven and goes back.
            const std::string caminho = Caminho(a.nome);
            e.restaurada = a.antigo ? sistema_.WriteFile(caminho, *a.antigo) : sistema_.DeleteFile(caminho);
            e.versao = e.restaurada ? Versao::Antiga : Versao::Nova;
        }
        estados_.push_back(e);
    }
    for (const auto& a : partidos) {
        const bool antiga = a.antigoConhecido && atual(a.nome) == a.antigo;
        estados_.push_back({a.nome, antiga ? Versao::Antiga : Versao::Desconhecida, false});
    }
    return Retomada::Danificada;
}

GravacaoConjunta::Retomada GravacaoConjunta::Falhou(const std::string& onde) {
    falha_ = onde;
    return Retomada::Falhou;
}

}  // namespace instala
