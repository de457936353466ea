#include "GravacaoConjunta.h"

#include <algorithm>
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
// How much of the intent is read at once where no content is wanted whole.
constexpr size_t kPedaco = 1 << 16;
// Names and sizes are short: a longer line is kept only this far.
constexpr size_t kLinhaMaxima = 4096;

}  // namespace

// Reads what EscreveIntencao wrote, as far as it goes, a line at a time: the
// contents stay in the file, known by where they lie.
class GravacaoConjunta::Leitor {
public:
    Leitor(zvsys::System& sistema, std::string caminho) : sistema_(sistema), caminho_(std::move(caminho)) {}

    bool ilegivel = false;   // a read failed
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
            e.nome = *nome;
            if (!(e.temAntigo = Texto(e.antigo))) return;
            std::optional<Trecho> novo;
            if (!Texto(novo) || !novo) return;
            e.temNovo = true;
            e.novo = *novo;
        }
        const auto depois = Bytes(pos_, 1);
        inteiro = depois && depois->empty();
    }

private:
    std::optional<std::string> Bytes(uint64_t inicio, size_t tamanho) {
        auto bytes = sistema_.ReadFilePart(caminho_, inicio, tamanho);
        if (!bytes) ilegivel = true;
        return bytes;
    }
    bool Literal(std::string_view s) {
        if (Bytes(pos_, s.size()) != s) return false;
        pos_ += s.size();
        return true;
    }
    std::optional<std::string> Linha() {
        std::string linha;
        for (;;) {
            const auto pedaco = Bytes(pos_, kPedaco);
            if (!pedaco || pedaco->empty()) return std::nullopt;
            const size_t fim = pedaco->find('\n');
            const size_t ate = fim == std::string::npos ? pedaco->size() : fim;
            linha.append(*pedaco, 0, std::min(ate, kLinhaMaxima - std::min(kLinhaMaxima, linha.size())));
            pos_ += ate;
            if (fim != std::string::npos) {
                ++pos_;
                return linha;
            }
        }
    }
    bool Texto(std::optional<Trecho>& texto) {
        const auto tamanho = Linha();
        if (!tamanho) return false;
        if (*tamanho == "-") {
            texto.reset();
            return true;
        }
        size_t n = 0;
        const auto r = std::from_chars(tamanho->data(), tamanho->data() + tamanho->size(), n);
        if (r.ec != std::errc() || r.ptr != tamanho->data() + tamanho->size() || tamanho->empty() ||
            Bytes(pos_ + n, 1) != "\n") {
            return false;
        }
        texto = Trecho{pos_, n};
        pos_ += n + 1;
        return true;
    }

    zvsys::System& sistema_;
    std::string caminho_;
    uint64_t pos_ = 0;
};

GravacaoConjunta::GravacaoConjunta(zvsys::System& sistema, std::string pasta, std::vector<std::string> permitidos)
    : sistema_(sistema), pasta_(std::move(pasta)), permitidos_(std::move(permitidos)) {}

std::string GravacaoConjunta::Caminho(const std::string& nome) const { return pasta_ + "\\" + nome; }

std::string GravacaoConjunta::Intencao() const { return Caminho("Instala.gravacao"); }

bool GravacaoConjunta::Grava(const std::vector<Arquivo>& arquivos) {
    std::vector<std::string> nomes;
    for (const auto& a : arquivos) nomes.push_back(a.nome);
    return Grava(nomes, [&](size_t i) { return std::optional<Arquivo>(arquivos[i]); });
}

bool GravacaoConjunta::Grava(const std::vector<std::string>& nomes, const Fonte& fonte) {
    if (nomes.empty()) return true;
    if (nomes.size() == 1) {
        // One file is replaced whole by the system on its own.
        const auto a = fonte(0);
        if (a && ((a->antigo && *a->antigo == a->novo) || sistema_.WriteFile(Caminho(nomes[0]), a->novo))) return true;
        falha_ = Caminho(nomes[0]);
        return false;
    }
    std::vector<Entrada> entradas;
    if (!EscreveIntencao(nomes, fonte, entradas)) return false;
    for (const auto& e : entradas) {
        const auto novo = Conteudo(e.novo);
        if (novo && sistema_.WriteFile(Caminho(e.nome), *novo)) continue;
        falha_ = Caminho(e.nome);
        // Undone now, or by the next start if this process dies first.
        MarcaDesfazer();
        if (Desfaz(entradas)) sistema_.DeleteFile(Intencao());
        return false;
    }
    // An intent left behind finds every file already new: harmless.
    sistema_.DeleteFile(Intencao());
    return true;
}

bool GravacaoConjunta::EscreveIntencao(const std::vector<std::string>& nomes, const Fonte& fonte,
                                       std::vector<Entrada>& entradas) {
    size_t proximo = 0;
    uint64_t escrito = 0;
    bool comecou = false, terminou = false, semConteudo = false, nada = false;
    std::deque<std::string> pequenos;  // stays where it is while the parts point into it
    std::optional<Arquivo> a;          // the file being written, until the next one is asked for
    const bool ok = sistema_.WriteFileFrom(Intencao(), [&](std::vector<std::string_view>& partes) {
        // The parts of the last call are written: what they pointed into may go.
        pequenos.clear();
        a.reset();
        auto poe = [&](std::string_view parte) {
            partes.push_back(parte);
            escrito += parte.size();
        };
        auto pequeno = [&](std::string s) { poe(pequenos.emplace_back(std::move(s))); };
        if (!comecou) {
            comecou = true;
            poe(kConcluir);
            return true;
        }
        while (proximo < nomes.size()) {
            const std::string& nome = nomes[proximo++];
            a.reset();
            a = fonte(proximo - 1);
            if (!a) {
                falha_ = Caminho(nome);
                semConteudo = true;
                return false;
            }
            if (a->antigo && *a->antigo == a->novo) continue;
            Entrada& e = entradas.emplace_back();
            e.nome = nome;
            pequeno(nome + "\n");
            if (a->antigo) {
                pequeno(std::to_string(a->antigo->size()) + "\n");
                e.antigo = Trecho{escrito, a->antigo->size()};
                poe(*a->antigo);
                poe("\n");
            } else {
                poe("-\n");
            }
            pequeno(std::to_string(a->novo.size()) + "\n");
            e.novo = Trecho{escrito, a->novo.size()};
            poe(a->novo);
            poe("\n");
            return true;
        }
        // Nothing changes: no intent is left (the write is given up).
        nada = entradas.empty();
        if (nada) return false;
        if (!terminou) poe(kFim);
        terminou = true;
        return true;
    });
    if (!ok && !semConteudo && !nada) falha_ = Intencao();
    return ok || nada;
}

bool GravacaoConjunta::MarcaDesfazer() {
    // Both first lines are as long: every content stays where the entries say.
    uint64_t lido = kConcluir.size();
    bool comecou = false;
    std::string pedaco;
    return sistema_.WriteFileFrom(Intencao(), [&](std::vector<std::string_view>& partes) {
        if (!comecou) {
            comecou = true;
            partes.push_back(kDesfazer);
            return true;
        }
        auto proximo = sistema_.ReadFilePart(Intencao(), lido, kPedaco);
        if (!proximo) return false;
        pedaco = std::move(*proximo);
        lido += pedaco.size();
        if (!pedaco.empty()) partes.push_back(pedaco);
        return true;
    });
}

std::optional<std::string> GravacaoConjunta::Conteudo(const Trecho& trecho) {
    auto bytes = sistema_.ReadFilePart(Intencao(), trecho.inicio, trecho.tamanho);
    if (!bytes || bytes->size() != trecho.tamanho) return std::nullopt;
    return bytes;
}

bool GravacaoConjunta::Igual(const std::optional<std::string>& atual, const std::optional<Trecho>& registrado) {
    if (!atual || !registrado) return !atual && !registrado;
    return atual->size() == registrado->tamanho && Conteudo(*registrado) == atual;
}

std::optional<std::string> GravacaoConjunta::Atual(const std::string& nome) {
    const std::string caminho = Caminho(nome);
    return sistema_.FileExists(caminho) ? sistema_.ReadFile(caminho) : std::nullopt;
}

bool GravacaoConjunta::Desfaz(const std::vector<Entrada>& entradas) {
    bool ok = true;
    for (const auto& e : entradas) {
        if (!Igual(sistema_.ReadFile(Caminho(e.nome)), e.novo)) continue;
        const std::string caminho = Caminho(e.nome);
        if (!e.antigo) {
            ok = sistema_.DeleteFile(caminho) && ok;
            continue;
        }
        const auto antigo = Conteudo(*e.antigo);
        ok = antigo && sistema_.WriteFile(caminho, *antigo) && ok;
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
    Leitor leitor(sistema_, Intencao());
    leitor.Le();
    if (leitor.ilegivel) return Falhou(Intencao());

    for (auto& e : leitor.entradas) {
        std::string nome = NomePermitido(e.nome, leitor.versao1);
        if (nome.empty()) return Recusa(e.nome);
        e.nome = std::move(nome);
    }
    if (!leitor.cabecalho || !leitor.inteiro) return Danificada(leitor.entradas);

    bool concluida = !leitor.desfazer;
    for (auto e = leitor.entradas.begin(); concluida && e != leitor.entradas.end(); ++e) {
        const std::string caminho = Caminho(e->nome);
        // A file that is neither old nor new was changed since by someone else: it stays as it is.
        if (!Igual(Atual(e->nome), e->antigo)) continue;
        const auto novo = Conteudo(e->novo);
        if (!novo || !sistema_.WriteFile(caminho, *novo)) {
            falha_ = caminho;
            concluida = false;
        }
    }
    if (!concluida && !Desfaz(leitor.entradas)) return Retomada::Falhou;
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

GravacaoConjunta::Retomada GravacaoConjunta::Danificada(const std::vector<Entrada>& entradas) {
    estados_.clear();
    // The files the intent holds whole first, then those it stops inside.
    for (const bool inteira : {true, false}) {
        for (const auto& e : entradas) {
            if (e.temNovo != inteira) continue;
            const auto agora = Atual(e.nome);
            Estado estado{e.nome, inteira ? Versao::Outra : Versao::Desconhecida, false};
            if (e.temAntigo && Igual(agora, e.antigo)) {
                estado.versao = Versao::Antiga;
            } else if (inteira && Igual(agora, e.novo)) {
                // The record holds this file whole: its old content is proven and goes back.
                const std::string caminho = Caminho(e.nome);
                const auto antigo = e.antigo ? Conteudo(*e.antigo) : std::nullopt;
                estado.restaurada = e.antigo ? antigo && sistema_.WriteFile(caminho, *antigo) : sistema_.DeleteFile(caminho);
                estado.versao = estado.restaurada ? Versao::Antiga : Versao::Nova;
            }
            estados_.push_back(estado);
        }
    }
    return Retomada::Danificada;
}

GravacaoConjunta::Retomada GravacaoConjunta::Falhou(const std::string& onde) {
    falha_ = onde;
    return Retomada::Falhou;
}

}  // namespace instala
