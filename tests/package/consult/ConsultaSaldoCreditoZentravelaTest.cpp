// The balance inquiry: it asks for nothing and confirms by itself; its
// endings after the host's answer, the receipt flag found as it was left.
#include "AmbienteConsulta.h"
#include "consult/ConsultaSaldoCreditoZentravela.h"
#include "host/Catalogo.h"
#include "screens/MenuModeloZentravela.h"

namespace {

using zv::ConsultaSaldoCreditoZentravela::FrmCnsSaldo_Cred;

struct CasoSaldo {
    const char* nome;
    bool imprimeAntes;
    const char* codigo;
    const char* roteiro;  // on the receipt, or nothing
    std::vector<std::string> desfecho;
    bool imprimeDepois;
};

class FimSaldo : public zvtest::AmbienteConsulta, public ::testing::WithParamInterface<CasoSaldo> {};

TEST_P(FimSaldo, EveryEndingWritesTheResultFileAndOnlyAReturnClearsTheAvailableAmount) {
    const CasoSaldo& caso = GetParam();
    Responde(caso.codigo, "\"1003\" = \"5000\"\n");
    zv::MenuModeloZentravela::ImprimeCupom = caso.imprimeAntes;
    ASSERT_TRUE(Roda("TFrmCnsSaldo_Cred", FrmCnsSaldo_Cred, caso.roteiro));
    EXPECT_EQ(Desfecho(), caso.desfecho);
    EXPECT_EQ(zv::MenuModeloZentravela::ImprimeCupom, caso.imprimeDepois);
    EXPECT_EQ(Resultado("FrmCnsSaldo_Cred"), forms::mrOk);
    EXPECT_FALSE(Gravou(zv::CAMPO_VALOR_TRANSACAO));  // not even the amount the client gave
    EXPECT_EQ(Campo(zv::CAMPO_PROCESSA_CARTAO), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FimSaldo,
    ::testing::Values(CasoSaldo{"Imprime", false, "00", "click btImprime\n", {"arquivo"}, true},
                      CasoSaldo{"Retorna", true, "00", "click btRetorna\n", {"limpa 10216", "arquivo"}, false},
                      CasoSaldo{"Recusada", false, "51", "", {"arquivo"}, true},
                      CasoSaldo{"SemCodigo", false, "", "", {"arquivo"}, true},
                      CasoSaldo{"CodigoNaoNumerico", false, "0X", "", {"arquivo"}, true}),
    [](const ::testing::TestParamInfo<CasoSaldo>& info) { return std::string(info.param.nome); });

}  // namespace
