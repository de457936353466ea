// The instalment consultation's own sequence: its three endings after the
// host's answer, and what keeps it open or closes it before the request.
#include "AmbienteConsulta.h"
#include "consult/ConsCreditoZentravela.h"
#include "host/Catalogo.h"
#include "screens/MenuModeloZentravela.h"

namespace {

using zv::ConsCreditoZentravela::FrmCon_AdmCrdPar;

constexpr const char* DIGITA = "type 100000\nkey Enter\ntype 6\nkey Enter\nkey Enter\n";

class ConsultaParcelas : public zvtest::AmbienteConsulta {};

struct CasoFim {
    const char* nome;
    bool imprimeDoMenu;  // ImprimeCupom as the menu left it
    const char* codigo;  // field 1009 of the answer
    const char* campos;
    const char* recibo;  // the operator's button on the receipt, "" when none shows
    std::vector<std::string> desfecho;
};

class FimConsulta : public ConsultaParcelas, public ::testing::WithParamInterface<CasoFim> {};

TEST_P(FimConsulta, ReceiptChoiceAndField10218DecideTheEnding) {
    const CasoFim& caso = GetParam();
    Responde(caso.codigo, caso.campos);
    zv::MenuModeloZentravela::ImprimeCupom = caso.imprimeDoMenu;
    const std::string recibo = *caso.recibo ? std::string("click ") + caso.recibo + "\n" : "";
    ASSERT_TRUE(Roda("TFrmCon_AdmCrdPar", FrmCon_AdmCrdPar, DIGITA + recibo));
    EXPECT_EQ(MostrouRecibo(), *caso.recibo != '\0');
    EXPECT_EQ(Desfecho(), caso.desfecho);
    EXPECT_EQ(Resultado("FrmCon_AdmCrdPar"), forms::mrOk);
    EXPECT_EQ(UltimoRegistro()["code"], 63);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FimConsulta,
    ::testing::Values(
        CasoFim{"Imprime", false, "00", "", "btImprime", {"chip", "arquivo", "limpa 10216"}},
        CasoFim{"RetornaEEsquece", true, "00", "\"10218\" = \"3\"\n", "btRetorna", {"chip", "esquece", "10192=1"}},
        CasoFim{"RetornaModo1", true, "00", "\"10218\" = \"1\"\n", "btRetorna", {"chip", "limpa 10216", "arquivo"}},
        CasoFim{"RetornaModoNaoNumerico", true, "00", "\"10218\" = \" 3x\"\n", "btRetorna",
                {"chip", "limpa 10216", "arquivo"}},
        // a refusal reaches the result file even from the sale menu, which asked for no receipt
        CasoFim{"Recusada", false, "05", "\"10218\" = \"3\"\n", "", {"chip", "arquivo", "limpa 10216"}},
        // no answer code, or none that is a number, is no approval
        CasoFim{"SemCodigo", false, "", "", "", {"chip", "arquivo", "limpa 10216"}},
        CasoFim{"CodigoNaoNumerico", false, "0X", "", "", {"chip", "arquivo", "limpa 10216"}}),
    [](const ::testing::TestParamInfo<CasoFim>& info) { return std::string(info.param.nome); });

TEST_F(ConsultaParcelas, FailedCheckKeepsItOpenAndAFailedCardStepClosesItUnasked) {
    Responde("00");
    ASSERT_TRUE(Roda("TFrmCon_AdmCrdPar", FrmCon_AdmCrdPar,
                     "type 100000\nkey Enter\ntype 1\nkey Enter\nkey Enter\nanswer ok\n"
                     "expect enabled btConfirma\nexpect enabled btRetorna\nexpect enabled edNumParcelas\n"
                     "expect disabled edValorEntrada\nclick btRetorna\n"));
    EXPECT_EQ(Resultado("FrmCon_AdmCrdPar"), forms::mrCancel);
    EXPECT_EQ(CaixasUtf8().size(), 1u);

    Cliente().ClearJournal();
    Responde("00");
    Cliente().Card().processing = {false};
    ASSERT_TRUE(Roda("TFrmCon_AdmCrdPar", FrmCon_AdmCrdPar, DIGITA));
    EXPECT_TRUE(Cliente().Calls("AutorizaTransacao").empty());
    EXPECT_EQ(Resultado("FrmCon_AdmCrdPar"), forms::mrOk);
}

}  // namespace
