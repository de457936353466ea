// Service Q of an authorisation answer (entries "010" and "008" in field
// 20026): the two permission fields end up agreeing, a different approved
// amount is taken only when the operator may and says yes, and a refused one
// always marks the transaction not done and finishes it with the host, once.
#include <fuzzer/FuzzedDataProvider.h>

#include "PacoteFuzz.h"
#include "common/Conversoes.h"
#include "common/ServicoDados.h"
#include "common/ZentravelaMain.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "sim/Catalogue.h"
#include "sim/ServiceData.h"

namespace {

std::string Permissao(FuzzedDataProvider& entrada) {
    switch (entrada.ConsumeIntegralInRange(0, 3)) {
        case 0: return "";
        case 1: return "1";
        case 2: return "0";
        default: return zvfuzz::Texto(entrada.ConsumeRandomLengthString(4));
    }
}

// The entry as the package's 128-byte buffer holds it.
std::optional<std::string> Entrada(const std::string& servicos, const char* subcodigo) {
    auto e = sim::FindServiceEntry(servicos, 'Q', subcodigo);
    if (e) e->resize(std::min<size_t>(e->size(), 127));
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider entrada(data, size);
    const bool aceita = entrada.ConsumeBool();
    sim::State& cliente = zvfuzz::PacoteFuzz::Instance().NovaEntrada(aceita ? "answer yes\n" : "answer no\n");

    const std::string p1275 = Permissao(entrada), p1244 = Permissao(entrada);
    if (!p1275.empty()) cliente.SetField(zv::CAMPO_PERMITE_ALTERAR_VALOR_1275, p1275);
    if (!p1244.empty()) cliente.SetField(zv::CAMPO_PERMITE_ALTERAR_VALOR_1244, p1244);
    cliente.SetField(zv::CAMPO_VALOR_TRANSACAO, zvfuzz::Texto(entrada.ConsumeRandomLengthString(24)));
    cliente.SetField(zv::CAMPO_CODIGO_RESPOSTA, "00");
    cliente.SetField(zv::CAMPO_LIMPO_NA_RECUSA_DO_VALOR, "X");
    const std::string servicos = entrada.ConsumeRemainingBytesAsString();
    cliente.SetField(sim::kServiceField, servicos);

    zv::TrataServicoQ_010_ValorAprovado();
    zv::TrataServicoQ_008_ValorAprovado();

    const auto e010 = Entrada(servicos, "010");
    const auto e008 = Entrada(servicos, "008");
    const auto finalizacoes = cliente.Calls("FosdalEnviarFinalizacaoEx");
    const size_t caixas = zvfuzz::PacoteFuzz::QuantasCaixas();
    if (!e010) {
        ZV_FUZZ_CHECK(finalizacoes.empty() && caixas == 0);
        ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_PERMITE_ALTERAR_VALOR_1275) == p1275);
        ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_PERMITE_ALTERAR_VALOR_1244) == p1244);
        ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_CODIGO_RESPOSTA) == "00");
    } else {
        // Either permission field fills the other; when both are set 1244 counts.
        const std::string vale = p1244.empty() ? p1275 : p1244;
        ZV_FUZZ_CHECK(zv::bHabilitaAlteracaoCampoValor == (vale == "1"));
        ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_PERMITE_ALTERAR_VALOR_1275) == (p1275.empty() ? p1244 : p1275));
        ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_PERMITE_ALTERAR_VALOR_1244) == vale);

        ZV_FUZZ_CHECK(caixas <= 1 && finalizacoes.size() <= 1);
        const bool recusado = finalizacoes.size() == 1;
        if (caixas == 1) ZV_FUZZ_CHECK(zv::bHabilitaAlteracaoCampoValor && recusado == !aceita);
        if (caixas == 0 && recusado) ZV_FUZZ_CHECK(!zv::bHabilitaAlteracaoCampoValor);
        if (recusado) {
            const int mensagem = caixas == 1 ? zv::MSG_TRANSACAO_NAO_EFETUADA : zv::MSG_VALOR_APROVADO_RECUSADO;
            ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_CODIGO_RESPOSTA) == "FF");
            ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_TEXTO_RESPOSTA) == sim::MessageText(mensagem));
            ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_VALOR_DISPONIVEL) == zv::TEXTO_VLDISP_0);
            ZV_FUZZ_CHECK(!cliente.HasField(zv::CAMPO_LIMPO_NA_RECUSA_DO_VALOR));
        } else {
            ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_CODIGO_RESPOSTA) == "00" && cliente.HasField(zv::CAMPO_LIMPO_NA_RECUSA_DO_VALOR));
        }
        if (caixas == 0 && !recusado) {
            // Nothing asked and nothing refused: the amounts were the same.
            const std::string aprovado = e010->substr(3, e010->find('\0') - std::min(e010->find('\0'), size_t{3}));
            ZV_FUZZ_CHECK(zv::ConverteDecimal(zv::host::RemoveFormato(cliente.Field(zv::CAMPO_VALOR_TRANSACAO)), 0) ==
                          zv::ConverteDecimal(zv::Trim(aprovado), 0));
        }
    }
    if (e008) {
        ZV_FUZZ_CHECK(cliente.Field(zv::CAMPO_VALOR_APROVADO) == e008->substr(3));
    } else {
        ZV_FUZZ_CHECK(cliente.HasField(zv::CAMPO_VALOR_APROVADO) == e010.has_value());
    }
    return 0;
}
