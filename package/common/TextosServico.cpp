#include "common/TextosServico.h"

#include <cstring>

#include "common/Conversoes.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv::registro {

namespace {
// The cycles in their field and in their text: two digits.
constexpr int LARGURA_CICLOS = 2;
}  // namespace

void PreencheTextoServico(TextoServico& texto, const std::string& tag, const std::string& valor) {
    CopiaTexto(texto, TAMANHO_TEXTO_SERVICO, tag + valor);
}

void ZeraTextoServico(TextoServico& texto) { std::memset(texto, 0, sizeof texto); }

bool GravaCiclos(const forms::Edit& caixa, TextoServico& texto, const GravaCampoTela& grava) {
    if (!caixa.Enabled()) return true;
    ZeraTextoServico(texto);
    if (caixa.Text().empty()) return true;
    const std::string ciclos = host::PreencherZerosEsquerda(Trim(caixa.Text()), LARGURA_CICLOS);
    if (grava(CAMPO_CICLOS, ciclos) != 0) return false;
    PreencheTextoServico(texto, TAG_CICLOS, ciclos);
    return true;
}

bool GravaDataEmissao(const forms::Edit& caixa, TextoServico& texto, const GravaCampoTela& grava) {
    if (!caixa.Enabled()) return true;
    ZeraTextoServico(texto);
    const std::string data = host::RemoveFormato(caixa.Text());
    if (grava(CAMPO_DATA_EMISSAO_CARTAO, data) != 0) return false;
    PreencheTextoServico(texto, TAG_DTEMCART, data);
    return true;
}

}  // namespace zv::registro
