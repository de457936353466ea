// The withdrawal consultation: only "00" or "0" shows the receipt; printing
// runs the chip messages again, returning forgets the instalments the
// operator typed (not the client's) and tells the client nothing was done.
#include "AmbienteConsulta.h"
#include "host/Catalogo.h"
#include "screens/MenuModeloZentravela.h"
#include "withdrawal/ConsSaqueZentravela.h"

using zvtest::CatalogoUtf8;

namespace {

using zv::ConsSaqueZentravela::FrmCon_AdmSaque;

struct CasoSaque {
    const char* nome;
    const char* codigo;
    const char* campos;
    const char* roteiro;
    bool recibo;
    std::vector<std::string> desfecho;
    const char* f1017;  // at the end; "(ausente)" when cleared
    int resultado;
};

class FimConsultaSaque : public zvtest::AmbienteConsulta, public ::testing::WithParamInterface<CasoSaque> {};

TEST_P(FimConsultaSaque, ReceiptAndTheInstalmentsOriginDecideTheEnding) {
    const CasoSaque& caso = GetParam();
    Responde(caso.codigo, caso.campos);
    zv::MenuModeloZentravela::ImprimeCupom = true;  // as the withdrawal menu sets it
    ASSERT_TRUE(Roda("TFrmCon_AdmSaque", FrmCon_AdmSaque, caso.roteiro));
    EXPECT_EQ(MostrouRecibo(), caso.recibo);
    // A return ends it cancelled: run top-level here, the form runner writes the result file.
    std::vector<std::string> desfecho = caso.desfecho;
    for (auto& d : desfecho)
        if (d == "1027=801") d = "1027=" + CatalogoUtf8(zv::MSG_TRANSACAO_NAO_EFETUADA);
    EXPECT_EQ(Desfecho(), desfecho);
    EXPECT_EQ(Cliente().HasField(zv::CAMPO_NUMERO_PARCELAS) ? Campo(zv::CAMPO_NUMERO_PARCELAS) : "(ausente)",
              caso.f1017);
    EXPECT_EQ(Resultado("FrmCon_AdmSaque"), caso.resultado);
    EXPECT_EQ(Textos(UltimoRegistro()), (std::vector<std::string>{"", "TRN:6"}));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FimConsultaSaque,
    ::testing::Values(
        CasoSaque{"Imprime", "00", "", "type 50000\nkey Enter\ntype 4\nkey Enter\nkey Enter\nclick btImprime\n", true,
                  {"chip", "chip", "arquivo", "limpa 10216"}, "4", forms::mrOk},
        // what the operator typed (amount and instalments) is forgotten, the client's values stay
        CasoSaque{"RetornaParcelasDigitadas", "0", "",
                  "type 50000\nkey Enter\ntype 4\nkey Enter\nkey Enter\nclick btRetorna\n", true,
                  {"chip", "limpa 1003", "limpa 1017", "1009=255", "1027=801", "arquivo"}, "(ausente)", forms::mrCancel},
        CasoSaque{"RetornaParcelasDoCliente", "00", "\"1017\" = \"03\"\n",
                  "type 50000\nkey Enter\nkey Enter\nclick btRetorna\n", true,
                  {"chip", "limpa 1003", "1009=255", "1027=801", "arquivo"}, "03", forms::mrCancel},
        CasoSaque{"RetornaValorEParcelasDoCliente", "00", "\"1017\" = \"03\"\n\"1003\" = \"50000\"\n",
                  "click btRetorna\n", true, {"chip", "1009=255", "1027=801", "arquivo"}, "03", forms::mrCancel},
        // shown locked because the operator may not change data, but the number is no client's
        CasoSaque{"RetornaParcelasPadraoTravadas", "00",
                  "\"10131\" = \"5\"\n[host]\npermite_alterar_dados = false\n",
                  "type 50000\nkey Enter\nkey Enter\nclick btRetorna\n", true,
                  {"chip", "limpa 1003", "limpa 1017", "1009=255", "1027=801", "arquivo"}, "(ausente)", forms::mrCancel},
        CasoSaque{"TresZerosRecusa", "000", "", "type 50000\nkey Enter\ntype 4\nkey Enter\nkey Enter\n", false,
                  {"chip", "chip", "arquivo", "limpa 10216"}, "4", forms::mrOk},
        CasoSaque{"ZeroComBrancoRecusa", " 0", "", "type 50000\nkey Enter\ntype 4\nkey Enter\nkey Enter\n", false,
                  {"chip", "chip", "arquivo", "limpa 10216"}, "4", forms::mrOk}),
    [](const ::testing::TestParamInfo<CasoSaque>& info) { return std::string(info.param.nome); });

}  // namespace
