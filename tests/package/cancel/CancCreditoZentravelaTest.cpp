// The credit cancellation: how the card was entered chooses its record, and
// without one nothing is sent for authorisation.
#include "AmbienteCredito.h"
#include "cancel/CancCreditoZentravela.h"
#include "host/Catalogo.h"

using zvtest::CatalogoUtf8;

namespace {

using zvtest::AmbienteCredito;
using zv::CancCreditoZentravela::FrmCrd_Cnc;

struct CasoModo {
    const char* f10134;
    int codigo;  // 0: refused, no authorisation
};

class CancelamentoCredito : public AmbienteCredito, public ::testing::WithParamInterface<CasoModo> {};

TEST_P(CancelamentoCredito, EntryModeChoosesTheRecordOrRefusesTheConfirmation) {
    const CasoModo& caso = GetParam();
    Campo(zv::CAMPO_STATUS_OPERACAO, "0");
    Campo(10134, caso.f10134);
    Campo(1020, "05032024");
    Campo(1013, "123456");
    ASSERT_TRUE(Roda("TFrmCrd_Cnc", FrmCrd_Cnc,
                     "expect text lbTitulo " + CatalogoUtf8(467) + "\ntype 10000\nkey Enter\nkey Enter\n" +
                         (caso.codigo == 0 ? "answer ok\nexpect enabled btRetorna\nclick btRetorna\n" : "")));
    const auto autorizacoes = Cliente().Calls("AutorizaTransacao");
    if (caso.codigo == 0) {
        EXPECT_TRUE(autorizacoes.empty());
        EXPECT_EQ(CaixasUtf8(), std::vector<std::string>{CatalogoUtf8(327)});
        EXPECT_EQ(Linhas("box")[0]["flags"], 0x40030);
    } else {
        ASSERT_EQ(autorizacoes.size(), 1u);
        EXPECT_EQ(autorizacoes[0]["record"]["code"], caso.codigo);
        EXPECT_EQ(Campo(1020), "05032024");
        EXPECT_EQ(Campo(1013), "123456");
    }
}

INSTANTIATE_TEST_SUITE_P(Modos, CancelamentoCredito,
                         ::testing::Values(CasoModo{"1", 54}, CasoModo{"2", 55}, CasoModo{"22", 0}, CasoModo{"", 0},
                                           CasoModo{" 1", 0}));

}  // namespace
