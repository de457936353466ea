#include "GravacaoConjunta.h"

#include <charconv>

namespace instala {

namespace {

// The first line says which way a later start takes an interrupted write.
constexpr char kConcluir[] = "ZV-GRAVACAO 1 CONCLUIR\n";
constexpr char kDesfazer[] = "ZV-GRAVACAO 1 DESFAZER\n";
constexpr char kFim[] = "FIM\n";

void PoeTexto(std::string& out, const std::optional<std::string>& texto) {
    out += texto ? std::to_string(texto->size()) + "\n" + *texto + "\n" : "-\n";
}

std::string Serializa(const std::vector<GravacaoConjunta::Arquivo>& arquivos, bool desfazer) {
    std::string out = desfazer ? kDesfazer : kConcluir;
    for (const auto& a : arquivos) {
        out += a.caminho + "\n";
        PoeTexto(out, a.antigo);
        PoeTexto(out, a.novo);
    }
    return out + kFim;
}

// Reads what Serializa wrote; nullopt for anything else.
class Leitor {
public:
    explicit Leitor(const std::string& bytes) : bytes_(bytes) {}

    bool desfazer = false;

    std::optional<std::vector<GravacaoConjunta::Arquivo>> Arquivos() {
        desfazer = Literal(kDesfazer);
        if (!desfazer && !Literal(kConcluir)) return std::nullopt;
        std::vector<GravacaoConjunta::Arquivo> arquivos;
        while (!Literal(kFim)) {
            GravacaoConjunta::Arquivo a;
            const auto caminho = Linha();
            if (!caminho || caminho->empty() || !Texto(a.antigo)) return std::nullopt;
            std::optional<std::string> novo;
            if (!Texto(novo) || !novo) return std::nullopt;
            a.caminho = *caminho;
            a.novo = std::move(*novo);
            arquivos.push_back(std::move(a));
        }
        if (pos_ != bytes_.size()) return std::nullopt;
        return arquivos;
    }

private:
    bool Literal(const char* s) {
        const std::string t = s;
        if (bytes_.compare(pos_, t.size(), t) != 0) return false;
        pos_ += t.size();
        return true;
    }
    std::optional<std::string> Linha() {
        const size_t fim = bytes_.find('\n', pos_);
        if (fim == std::string::npos) return std::nullopt;
        std::string linha = bytes_.substr(pos_, fim - pos_);
        pos_ = fim + 1;
        return linha;
    }
    bool Texto(std::optional<std::string>& texto) {
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

    const std::string& bytes_;
    size_t pos_ = 0;
};

}  // namespace

GravacaoConjunta::GravacaoConjunta(zvsys::System& sistema, std::string intencao)
    : sistema_(sistema), intencao_(std::move(intencao)) {}

bool GravacaoConjunta::Grava(const std::vector<Arquivo>& arquivos) {
    if (arquivos.empty()) return true;
    // One file is replaced whole by the system on its own.
    if (arquivos.size() > 1 && !sistema_.WriteFile(intencao_, Serializa(arquivos, false))) {
        falha_ = intencao_;
        return false;
    }
    for (size_t i = 0; i < arquivos.size(); ++i) {
        if (sistema_.WriteFile(arquivos[i].caminho, arquivos[i].novo)) continue;
        falha_ = arquivos[i].caminho;
        if (arquivos.size() > 1) {
            // Undone now, or by the next start if this process dies first.
            sistema_.WriteFile(intencao_, Serializa(arquivos, true));
            if (Desfaz(arquivos)) sistema_.DeleteFile(intencao_);
        }
        return false;
    }
    // An intent left behind finds every file already new: harmless.
    if (arquivos.size() > 1) sistema_.DeleteFile(intencao_);
    return true;
}

bool GravacaoConjunta::Desfaz(const std::vector<Arquivo>& arquivos) {
    bool ok = true;
    for (const auto& a : arquivos) {
        if (sistema_.ReadFile(a.caminho) != std::optional<std::string>(a.novo)) continue;
        ok = (a.antigo ? sistema_.WriteFile(a.caminho, *a.antigo) : sistema_.DeleteFile(a.caminho)) && ok;
    }
    return ok;
}

GravacaoConjunta::Retomada GravacaoConjunta::Retoma() {
    if (!sistema_.FileExists(intencao_)) return Retomada::NadaPendente;
    const auto bytes = sistema_.ReadFile(intencao_);
    if (!bytes) return Falhou(intencao_);
    Leitor leitor(*bytes);
    const auto arquivos = leitor.Arquivos();
    bool concluida = !leitor.desfazer;
    // The intent is written whole before any file is touched: one that does not
    // read back never had a file changed after it.
    if (!arquivos) return sistema_.DeleteFile(intencao_) ? Retomada::Desfeita : Falhou(intencao_);

    for (auto a = arquivos->begin(); concluida && a != arquivos->end(); ++a) {
        const std::optional<std::string> atual =
            sistema_.FileExists(a->caminho) ? sistema_.ReadFile(a->caminho) : std::nullopt;
        // A file that is neither old nor new was changed since by someone else: it stays as it is.
        if (atual == a->antigo && !sistema_.WriteFile(a->caminho, a->novo)) {
            falha_ = a->caminho;
            concluida = false;
        }
    }
    if (!concluida && !Desfaz(*arquivos)) return Retomada::Falhou;
    if (!sistema_.DeleteFile(intencao_)) return Falhou(intencao_);
    return concluida ? Retomada::Concluida : Retomada::Desfeita;
}

GravacaoConjunta::Retomada GravacaoConjunta::Falhou(const std::string& onde) {
    falha_ = onde;
    return Retomada::Falhou;
}

}  // namespace instala
