// The instalment sales: number of instalments with its limits, the down
// payment and the sale kind codes of the store and administrator screens.
#include "AmbienteCredito.h"
#include "credit/CreditoParcCprAdmZentravela.h"
#include "credit/CreditoParcEstZentravela.h"
#include "host/Catalogo.h"
#include "sim/HostCall.h"

using zvtest::CatalogoUtf8;

namespace {

using zvtest::AmbienteCredito;
using zv::CreditoParcCprAdmZentravela::FrmCpr_AdmCrdPar;
using zv::CreditoParcEstZentravela::FrmEst_CrdPar;

class CreditoParcelado : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
    }
    // Amount, instalments and down payment typed; confirmed.
    std::string Venda(const std::string& parcelas, const std::string& entrada) {
        return "type 100000\nkey Enter\nexpect focus edNumParcelas\ntype " + parcelas +
               "\nkey Enter\n" + (entrada.empty() ? "" : "expect focus edValorEntrada\ntype " + entrada + "\n") +
               "key Enter\nexpect focus btConfirma\nkey Enter\n";
    }
};

struct CasoTipoVenda {
    const char* classe;
    const char* campo10160;
    const char* entrada;
    const char* tipo;
    const char* entradaGravada;
};

class TipoVendaParcelada : public CreditoParcelado, public ::testing::WithParamInterface<CasoTipoVenda> {};

TEST_P(TipoVendaParcelada, WritesTheSaleKindToBothFields) {
    const CasoTipoVenda& caso = GetParam();
    Campo(10159, "1");  // the down payment box is offered either way
    Campo(10160, caso.campo10160);
    forms::Form* tela = nullptr;
    ASSERT_TRUE(Roda(caso.classe, tela, Venda("3", caso.entrada)));
    EXPECT_EQ(Campo(10156), caso.tipo);
    EXPECT_EQ(Campo(1016), caso.tipo);
    EXPECT_EQ(Campo(1017), "3");
    EXPECT_EQ(Campo(1019), caso.entradaGravada);
    EXPECT_EQ(Campo(1003), "100000");
    EXPECT_EQ(UltimoRegistro()["code"], 56);
}

INSTANTIATE_TEST_SUITE_P(
    LojaEAdministradora, TipoVendaParcelada,
    ::testing::Values(CasoTipoVenda{"TFrmEst_CrdPar", "1", "5000", "7", "5000"},
                      CasoTipoVenda{"TFrmEst_CrdPar", "1", "", "4", "0"},
                      CasoTipoVenda{"TFrmEst_CrdPar", "0", "5000", "4", "5000"},
                      CasoTipoVenda{"TFrmCpr_AdmCrdPar", "1", "5000", "6", "5000"},
                      CasoTipoVenda{"TFrmCpr_AdmCrdPar", "1", "", "3", "0"},
                      CasoTipoVenda{"TFrmCpr_AdmCrdPar", "0", "5000", "3", "5000"}));

TEST_F(CreditoParcelado, DownPaymentBoxIsOfferedOnlyWhenTheHostAllowsIt) {
    ASSERT_TRUE(Roda("TFrmEst_CrdPar", FrmEst_CrdPar, "expect disabled edValorEntrada\nclick btRetorna\n"));
    Campo(10160, "1");
    ASSERT_TRUE(Roda("TFrmEst_CrdPar", FrmEst_CrdPar, "expect enabled edValorEntrada\nclick btRetorna\n"));
}

TEST_F(CreditoParcelado, HostSuppliedAmountAndInstalmentsAreLockedAndWrittenBackUnchanged) {
    Campo(1003, "250000");
    Campo(1017, "04");
    ASSERT_TRUE(Roda("TFrmCpr_AdmCrdPar", FrmCpr_AdmCrdPar,
                     "expect disabled edValor\n"
                     "expect disabled edNumParcelas\n"
                     "expect text edNumParcelas 04\n"
                     "wait 50\n"));
    EXPECT_EQ(Campo(1003), "250000");
    EXPECT_EQ(Campo(1017), "04");
    EXPECT_EQ(Campo(10156), "3");
}

TEST_F(CreditoParcelado, InstalmentsOutsideTheHostsLimitsAreRefused) {
    Campo(10118, "3");
    Campo(10119, "12");
    ASSERT_TRUE(Roda("TFrmEst_CrdPar", FrmEst_CrdPar,
                     "type 100000\nkey Enter\n"
                     "type 2\nkey Enter\nkey Enter\nanswer ok\n"
                     "expect focus edNumParcelas\n"
                     "expect text edNumParcelas 2\n"  // kept for the operator to correct
                     "key Backspace\ntype 13\nkey Enter\nkey Enter\nanswer ok\n"
                     "expect focus edNumParcelas\n"
                     "key Backspace\nkey Backspace\ntype 12\nkey Enter\nkey Enter\n"));
    ASSERT_EQ(CaixasUtf8().size(), 2u);
    const std::string minimo = CatalogoUtf8(319, {"3", "12"});
    EXPECT_EQ(CaixasUtf8()[0], minimo);
    EXPECT_NE(minimo.find('3'), std::string::npos);
    EXPECT_EQ(CaixasUtf8()[1], CatalogoUtf8(320));
    EXPECT_EQ(Campo(1017), "12");
}

TEST_F(CreditoParcelado, DefaultInstalmentsAreShownLockedWhenTheHostForbidsChanges) {
    Campo(10131, " 5 ");
    Cliente().Host().permiteAlterarDados = false;
    ASSERT_TRUE(Roda("TFrmEst_CrdPar", FrmEst_CrdPar,
                     "expect disabled edNumParcelas\n"
                     "expect text edNumParcelas 5\n"
                     "type 100000\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(Campo(1017), "5");
    EXPECT_EQ(Campo(10156), "4");
}

TEST_F(CreditoParcelado, InstalmentsBoxTakesOnlyDigitsAndShowsItsPrompt) {
    ASSERT_TRUE(Roda("TFrmEst_CrdPar", FrmEst_CrdPar,
                     "type 100\nkey Enter\n"
                     "expect text lbMensagem " + CatalogoUtf8(23) + "\n"
                     "type x4,\n"
                     "expect text edNumParcelas 4\n"
                     "click btRetorna\n"));
}

TEST_F(CreditoParcelado, CyclesUseEachScreensOwnFlag) {
    Cliente().SetServiceTag("CICLOS:", "010");
    ASSERT_TRUE(Roda("TFrmEst_CrdPar", FrmEst_CrdPar, "expect enabled edCiclos\nclick btRetorna\n"));
    ASSERT_TRUE(Roda("TFrmCpr_AdmCrdPar", FrmCpr_AdmCrdPar, "expect disabled edCiclos\nclick btRetorna\n"));
    Cliente().SetServiceTag("CICLOS:", "001");
    ASSERT_TRUE(Roda("TFrmCpr_AdmCrdPar", FrmCpr_AdmCrdPar, "expect enabled edCiclos\nclick btRetorna\n"));
}

}  // namespace
