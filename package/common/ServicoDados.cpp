// Service data of an authorisation answer: the additional sale data of
// service A, the PIN pad text of service e and the approved amount of service Q.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/Conversoes.h"
#include "common/ServicoDados.h"
#include "common/ZentravelaMain.h"
#include "forms/Types.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv {

namespace {

constexpr int32_t TAMANHO_SERVICO_A = 63;
constexpr int32_t TAMANHO_SERVICO_E = 32;
constexpr int32_t TAMANHO_PROCURA_SERVICO = 128;
constexpr size_t TAMANHO_SUBCODIGO = 3;

// One piece of service A: positions counted from 1.
struct PecaServicoA {
    int inicio;
    int tamanho;
    bool numero;
    int32_t campo;
};

constexpr PecaServicoA PECAS_SERVICO_A[] = {
    {1, 2, false, CAMPO_NUMERO_PARCELAS},   {3, 11, true, CAMPO_VALOR_ENTRADA},
    {14, 5, true, CAMPO_SERVICO_A_1096},    {19, 8, false, CAMPO_SERVICO_A_1018},
    {27, 11, true, CAMPO_SERVICO_A_1185},   {38, 11, true, CAMPO_SERVICO_A_1295},
    {49, 5, true, CAMPO_SERVICO_A_1292},    {54, 5, true, CAMPO_SERVICO_A_1293},
    {59, 5, true, CAMPO_SERVICO_A_1294},
};

// The piece's text, ended early by a zero byte, trimmed.
std::string TextoPeca(const PecaServicoA& peca) {
    const std::string_view dados(ServicoA_AdicionaisVenda, strnlen(ServicoA_AdicionaisVenda, SERVICO_A_SIZE));
    const size_t inicio = static_cast<size_t>(peca.inicio - 1);
    if (inicio >= dados.size()) return {};
    return Trim(dados.substr(inicio, static_cast<size_t>(peca.tamanho)));
}

// Service Q entry of a sub-code: the entry's length (0 = absent) and its bytes,
// starting with the sub-code, never more than the buffer held.
std::string ProcuraServicoQ(const char* subcodigo) {
    char buffer[TAMANHO_PROCURA_SERVICO] = {};
    const uint16_t tamanho =
        ProcuraServico(0, CAMPO_SERVICOS, SERVICO_Q, subcodigo, buffer, TAMANHO_PROCURA_SERVICO);
    const size_t cabe = std::min<size_t>(tamanho, TAMANHO_PROCURA_SERVICO - 1);
    return std::string(buffer, cabe);
}

// The text of `bytes` from `inicio` up to a zero byte.
std::string TextoAte0(const std::string& bytes, size_t inicio) {
    if (inicio >= bytes.size()) return {};
    const size_t fim = bytes.find('\0', inicio);
    return bytes.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio);
}

void RecusaValorAprovado(int32_t mensagemResposta, bool respostaAntes) {
    auto marcaNaoEfetuada = [&] {
        host::GravaCampo(CAMPO_CODIGO_RESPOSTA, "FF");
        host::GravaCampo(CAMPO_TEXTO_RESPOSTA, host::Mensagem(mensagemResposta));
    };
    if (respostaAntes) marcaNaoEfetuada();
    host::GravaCampo(CAMPO_VALOR_DISPONIVEL, TEXTO_VLDISP_0);
    FosdalEnviarFinalizacaoEx(0);
    host::LimpaCampo(CAMPO_LIMPO_NA_RECUSA_DO_VALOR);
    if (!respostaAntes) marcaNaoEfetuada();
}

}  // namespace

void TrataServicoA() {
    std::memset(ServicoA_AdicionaisVenda, 0, sizeof ServicoA_AdicionaisVenda);
    uint16_t tamanho = 0;
    FosdalLeCampoMaxLen(CAMPO_SERVICO_A, 0, ServicoA_AdicionaisVenda, &tamanho, TAMANHO_SERVICO_A,
                        SERVICO_A_SIZE);
    // Whatever the host did, the buffer ends with a zero byte.
    ServicoA_AdicionaisVenda[SERVICO_A_SIZE - 1] = '\0';

    if (ConverteInteiro(host::LeCampo(CAMPO_APLICA_SERVICO_A), 0) != 0) GravaDadosServicoA();
}

void GravaDadosServicoA() {
    for (const auto& peca : PECAS_SERVICO_A) {
        const std::string texto = TextoPeca(peca);
        std::string valor;
        if (peca.numero) {
            const double numero = ConverteDecimal(texto, -1);
            if (numero <= 0) continue;
            valor = FormataDecimal(numero);
        } else {
            if (texto.empty()) continue;
            valor = texto;
        }
        // A refused write stops the rest; the last piece's status is not looked at.
        const ZvStatus status = host::GravaCampo(peca.campo, valor);
        if (status != 0) return;
    }
}

void TrataServicoEzinho(bool aviso) {
    const std::string bytes = host::LeCampoMaxLen(CAMPO_SERVICO_E, 0, TAMANHO_SERVICO_E);
    if (bytes.empty()) return;
    const std::string texto = TextoAte0(bytes, 0);
    ExibeMsgPinpad(texto.c_str());
    if (aviso || ConverteInteiro(host::LeCampo(CAMPO_CODIGO_RESPOSTA), 255) != 0) {
        CaixaMensagem(host::Mensagem(MSG_AVISO_SERVICO_E), forms::MB_TOPMOST | forms::MB_ICONWARNING);
    }
}

void TrataHabilitaAlteracaoCampoValor() {
    const std::string campo1275 = host::LeCampo(CAMPO_PERMITE_ALTERAR_VALOR_1275);
    const std::string campo1244 = host::LeCampo(CAMPO_PERMITE_ALTERAR_VALOR_1244);
    std::string comparado;
    if (campo1275.empty() && !campo1244.empty()) {
        host::GravaCampo(CAMPO_PERMITE_ALTERAR_VALOR_1275, campo1244);
        comparado = campo1244;
    } else if (!campo1275.empty() && campo1244.empty()) {
        host::GravaCampo(CAMPO_PERMITE_ALTERAR_VALOR_1244, campo1275);
        comparado = campo1275;
    } else {
        comparado = campo1244;
    }
    bHabilitaAlteracaoCampoValor = comparado == "1";
}

void TrataServicoQ_010_ValorAprovado() {
    const std::string entrada = ProcuraServicoQ(SERVICO_Q_VALOR_APROVADO);
    if (entrada.empty()) return;

    TrataHabilitaAlteracaoCampoValor();

    const double pedido = ConverteDecimal(host::RemoveFormato(host::LeCampo(CAMPO_VALOR_TRANSACAO)), 0);
    const std::string textoAprovado = TextoAte0(entrada, TAMANHO_SUBCODIGO);
    const double aprovado = ConverteDecimal(Trim(textoAprovado), 0);
    const std::string aprovadoExibicao = Trim(host::Dollar(textoAprovado));
    host::GravaCampo(CAMPO_VALOR_APROVADO, aprovadoExibicao);

    if (pedido == aprovado) return;

    if (bHabilitaAlteracaoCampoValor) {
        const int resposta =
            CaixaMensagem(host::Mensagem(MSG_ACEITA_VALOR_APROVADO) + aprovadoExibicao,
                          forms::MB_TOPMOST | forms::MB_YESNO | forms::MB_ICONINFORMATION);
        // Only an explicit Yes takes a different amount.
        if (resposta != forms::IDYES) RecusaValorAprovado(MSG_TRANSACAO_NAO_EFETUADA, true);
    } else {
        RecusaValorAprovado(MSG_VALOR_APROVADO_RECUSADO, false);
    }
}

void TrataServicoQ_008_ValorAprovado() {
    const std::string entrada = ProcuraServicoQ(SERVICO_Q_VALOR_1243);
    if (entrada.empty()) return;
    // Raw bytes after the sub-code, as the host sent them.
    const std::string valor = entrada.size() > TAMANHO_SUBCODIGO ? entrada.substr(TAMANHO_SUBCODIGO) : "";
    host::GravaCampoBytes(CAMPO_VALOR_APROVADO, 0, valor);
}

}  // namespace zv
