// Operator scripts: a text is either refused with a ScriptError that names the
// file and one of its lines, or read into one action per line that is neither
// blank nor a comment, each action well formed (a text to type, one key, one
// name without blanks, ok/yes/no, a wait of no negative time); and the same
// script with CR LF line ends reads the same.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "forms/backends/HeadlessBackend.h"

namespace {

using forms::ScriptAction;
const std::string kArquivo = "fuzz.txt";

struct Lido {
    bool ok = false;
    std::string erro;
    std::vector<ScriptAction> acoes;
};

Lido Le(const std::string& texto) {
    Lido l;
    try {
        l.acoes = forms::ParseOperatorScript(texto, kArquivo);
        l.ok = true;
    } catch (const forms::ScriptError& e) {
        l.erro = e.what();
    }
    return l;
}

std::vector<std::string> LinhasDe(const std::string& texto) {
    std::vector<std::string> linhas;
    size_t pos = 0;
    while (pos < texto.size()) {
        const size_t fim = std::min(texto.find('\n', pos), texto.size());
        std::string linha = texto.substr(pos, fim - pos);
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        linhas.push_back(linha);
        pos = fim + 1;
    }
    return linhas;
}

bool Acao(const std::string& linha) {
    const size_t inicio = linha.find_first_not_of(" \t");
    return inicio != std::string::npos && linha[inicio] != '#';
}

bool Nome(const std::string& s) { return !s.empty() && s.find_first_of(" \t\r\n\v\f") == std::string::npos; }

bool Iguais(const ScriptAction& a, const ScriptAction& b) {
    return a.kind == b.kind && a.arg == b.arg && a.arg2 == b.arg2 && a.ms == b.ms && a.line == b.line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string texto(reinterpret_cast<const char*>(data), size);
    const Lido lido = Le(texto);
    const auto linhas = LinhasDe(texto);

    if (!lido.ok) {
        const std::string& m = lido.erro;
        ZV_FUZZ_CHECK(m.rfind(kArquivo + ":", 0) == 0);
        const size_t fim = m.find(": ", kArquivo.size() + 1);
        ZV_FUZZ_CHECK(fim != std::string::npos);
        const std::string numero = m.substr(kArquivo.size() + 1, fim - kArquivo.size() - 1);
        ZV_FUZZ_CHECK(!numero.empty() && numero.find_first_not_of("0123456789") == std::string::npos);
        const size_t linha = std::stoul(numero);
        ZV_FUZZ_CHECK(linha >= 1 && linha <= linhas.size() && Acao(linhas[linha - 1]));
    } else {
        ZV_FUZZ_CHECK(lido.acoes.size() ==
                      static_cast<size_t>(std::count_if(linhas.begin(), linhas.end(), Acao)));
        int anterior = 0;
        for (const ScriptAction& a : lido.acoes) {
            ZV_FUZZ_CHECK(a.line > anterior && static_cast<size_t>(a.line) <= linhas.size());
            ZV_FUZZ_CHECK(Acao(linhas[static_cast<size_t>(a.line) - 1]));
            anterior = a.line;
            using K = ScriptAction::Kind;
            switch (a.kind) {
                case K::Type: ZV_FUZZ_CHECK(!a.arg.empty()); break;
                case K::Key:  // a moving key (PgDn...) by its code, any other as its one character
                    ZV_FUZZ_CHECK(a.virtualKey != 0 ? a.arg.empty() && !a.shift : a.arg.size() == 1);
                    break;
                case K::Answer: ZV_FUZZ_CHECK(a.arg == "ok" || a.arg == "yes" || a.arg == "no"); break;
                case K::Wait: ZV_FUZZ_CHECK(a.ms >= 0); break;
                case K::ExpectText: ZV_FUZZ_CHECK(!a.arg.empty() && a.arg.find(' ') == std::string::npos); break;
                default: ZV_FUZZ_CHECK(Nome(a.arg)); break;
            }
        }
    }

    // CR LF line ends read as LF ones do (a text with its own CRs aside).
    if (texto.find('\r') == std::string::npos) {
        std::string crlf;
        for (char c : texto) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        const Lido outro = Le(crlf);
        ZV_FUZZ_CHECK(outro.ok == lido.ok && outro.erro == lido.erro && outro.acoes.size() == lido.acoes.size());
        for (size_t i = 0; i < lido.acoes.size(); ++i) ZV_FUZZ_CHECK(Iguais(outro.acoes[i], lido.acoes[i]));
    }
    return 0;
}
