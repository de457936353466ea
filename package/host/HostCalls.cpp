#include "host/HostCalls.h"

#include <algorithm>
#include <vector>

namespace zv::host {

namespace {

// Room for any catalogue text or field value the package reads as text.
constexpr int32_t CAPACIDADE_TEXTO = 4097;

// Runs an "out text" call into a zeroed buffer of `capacidade` bytes and
// returns the text up to its terminator (never past the buffer).
template <class Chamada>
std::string LeTexto(int32_t capacidade, Chamada chamada) {
    std::vector<char> buffer(static_cast<size_t>(capacidade), '\0');
    chamada(buffer.data(), capacidade);
    const auto fim = std::find(buffer.begin(), buffer.end(), '\0');
    return std::string(buffer.begin(), fim);
}

// An out text that must hold `texto` padded to `largura`.
int32_t CapacidadePara(const std::string& texto, int32_t largura) {
    const size_t precisa = texto.size() + static_cast<size_t>(std::max(largura, 0)) + 1;
    return static_cast<int32_t>(std::max<size_t>(precisa, CAPACIDADE_TEXTO));
}

}  // namespace

std::string Mensagem(int32_t numero) {
    return LeTexto(CAPACIDADE_TEXTO, [&](char* out, int32_t cap) { LeMensagens(out, cap, numero); });
}

std::string MensagemFormatada(int32_t numero, const std::vector<std::string>& args) {
    return Formata(Mensagem(numero), args);
}

std::string Formata(const std::string& formato, const std::vector<std::string>& args) {
    std::string saida;
    saida.reserve(formato.size());
    size_t proximo = 0;
    for (size_t i = 0; i < formato.size(); ++i) {
        const char c = formato[i];
        if (c != '%' || i + 1 >= formato.size()) {
            saida += c;
            continue;
        }
        const char especificador = formato[i + 1];
        if (especificador == 's') {
            if (proximo < args.size()) saida += args[proximo];
            ++proximo;
            ++i;
        } else if (especificador == '%') {
            saida += '%';
            ++i;
        } else {
            // Not ours to interpret: the text stays as the catalogue has it.
            saida += c;
        }
    }
    return saida;
}

std::string LeCampo(int32_t campo, int32_t indice) {
    return LeTexto(CAPACIDADE_TEXTO,
                   [&](char* out, int32_t cap) { ::LeCampo(out, cap, campo, indice); });
}

bool LidoInteiro(const std::string& lido) { return lido.size() < static_cast<size_t>(CAPACIDADE_TEXTO) - 1; }

std::string LeCampoBytes(int32_t campo, int32_t indice, int32_t capacidade) {
    if (capacidade <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(capacidade), '\0');
    uint16_t tamanho = 0;
    FosdalLeCampo(campo, indice, buffer.data(), &tamanho, capacidade);
    const size_t n = std::min<size_t>(tamanho, buffer.size());
    return std::string(buffer.data(), n);
}

std::string LeCampoMaxLen(int32_t campo, int32_t indice, int32_t maxLen) {
    if (maxLen <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(maxLen) + 1, '\0');
    uint16_t tamanho = 0;
    FosdalLeCampoMaxLen(campo, indice, buffer.data(), &tamanho, maxLen, maxLen + 1);
    const size_t n = std::min<size_t>(tamanho, static_cast<size_t>(maxLen));
    return std::string(buffer.data(), n);
}

ZvStatus GravaCampo(int32_t campo, const std::string& texto, int32_t indice) {
    return GravaCampoString(campo, indice, texto.c_str());
}

ZvStatus GravaCampoBytes(int32_t campo, int32_t indice, const std::string& bytes) {
    return FosdalGravaCampo(campo, indice, bytes.data(), static_cast<int32_t>(bytes.size()));
}

ZvStatus LimpaCampo(int32_t campo) { return FosdalLimpaCampo(campo); }

std::string RemoveFormato(const std::string& texto) {
    return LeTexto(CapacidadePara(texto, 0),
                   [&](char* out, int32_t cap) { ::RemoveFormato(out, cap, texto.c_str()); });
}

std::string Dollar(const std::string& texto) {
    // Display form adds separators: leave room for them.
    return LeTexto(CapacidadePara(texto, static_cast<int32_t>(texto.size())),
                   [&](char* out, int32_t cap) { ::Dollar(out, cap, texto.c_str()); });
}

std::string Padr(const std::string& texto, int32_t largura) {
    return LeTexto(CapacidadePara(texto, largura),
                   [&](char* out, int32_t cap) { ::Padr(out, cap, texto.c_str(), largura); });
}

std::string Centraliza(const std::string& texto, int32_t largura) {
    return LeTexto(CapacidadePara(texto, largura),
                   [&](char* out, int32_t cap) { ::Centraliza(out, cap, texto.c_str(), largura); });
}

std::string PreencherZerosEsquerda(const std::string& texto, int32_t largura) {
    return LeTexto(CapacidadePara(texto, largura), [&](char* out, int32_t cap) {
        ::PreencherZerosEsquerda(out, cap, texto.c_str(), largura);
    });
}

std::string ServicoString(const char* tag) {
    return LeTexto(CAPACIDADE_TEXTO,
                   [&](char* out, int32_t cap) { VerificaServico5String(out, cap, tag, 0); });
}

std::string BuildInfo(const char* arquivo) {
    return LeTexto(CAPACIDADE_TEXTO, [&](char* out, int32_t cap) { GetBuildInfo(out, cap, arquivo); });
}

void Audit(const std::string& texto) {
    GravaAudit(0, texto.c_str(), static_cast<int32_t>(texto.size()));
}

void EnviaErroPDV(int32_t numeroMensagem) {
    const std::string texto = Mensagem(numeroMensagem);
    EnviaArquivoErroPDV(255, texto.c_str());
}

}  // namespace zv::host
