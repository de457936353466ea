// The credit purchase screen (through the at-sight sale, its simplest shown
// form): fee, pre-authorisation code, issue date, cycles. Its record is read
// back with the others' in host/RegistroTransacaoTest.cpp.
#include "AmbienteCredito.h"
#include "DatasTeste.h"
#include "credit/CreditoTrnZentravela.h"
#include "credit/CreditoVistaZentravela.h"
#include "host/Catalogo.h"

using zvtest::CatalogoUtf8;

namespace {

using zvtest::AmbienteCredito;
using zvtest::MesAno;
using zv::CreditoVistaZentravela::FrmVis_Crd;

class CreditoTrn : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
    }
};

TEST_F(CreditoTrn, AtSightSaleTypedByTheOperatorIsAuthorisedAndWritten) {
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd,
                     "expect screen FrmVis_Crd\n"
                     "expect disabled edTaxaServico\n"
                     "expect disabled edCodAutorizacao\n"
                     "expect disabled edDtemCart\n"
                     "expect disabled edCiclos\n"
                     "type 15000\n"
                     "expect text edValor 150,00\n"
                     "key Enter\n"
                     "expect focus btConfirma\n"
                     "key Enter\n"));
    EXPECT_EQ(FrmVis_Crd, nullptr);
    EXPECT_EQ(Campo(1003), "15000");
    EXPECT_EQ(Campo(10156), "4");
    EXPECT_EQ(Campo(1016), "0");
    EXPECT_EQ(Campo(1017), "1");
    EXPECT_TRUE(Gravou(10151));
    EXPECT_EQ(Campo(10151), "");
    EXPECT_FALSE(Gravou(1064));
    EXPECT_FALSE(Gravou(1048));
    EXPECT_FALSE(Gravou(1208));
    EXPECT_EQ(UltimoRegistro()["code"], 56);
    EXPECT_EQ(Cliente().ResultFileWrites(), 1);
    EXPECT_TRUE(CaixasUtf8().empty());
    const auto fechou = Linhas("form");
    ASSERT_FALSE(fechou.empty());
    bool ok = false;
    for (const auto& l : fechou) ok |= l.value("event", "") == "close" && l.value("modal_result", 0) == 1;
    EXPECT_TRUE(ok);
}

TEST_F(CreditoTrn, HostSuppliedAmountIsLockedAndConfirmsByItself) {
    Campo(1003, "150000");
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd, "wait 50\n"));
    EXPECT_EQ(Campo(1003), "150000");
    EXPECT_EQ(Cliente().Calls("AutorizaTransacao").size(), 1u);
}

TEST_F(CreditoTrn, PreAuthorisationCodeMustBeAboveZeroAndTravelsAsCaut) {
    Cliente().SetServiceTag("CPRE:", "1");
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd,
                     "type 1000\n"
                     "key Enter\n"
                     "expect focus edCodAutorizacao\n"
                     "type 0a0-0000\n"  // letters and signs are filtered out
                     "expect text edCodAutorizacao 000000\n"
                     "key Enter\n"
                     "key Enter\n"
                     "answer ok\n"
                     "expect focus edCodAutorizacao\n"
                     "expect text edCodAutorizacao \n"
                     "type 123456\n"
                     "key Enter\n"
                     "key Enter\n"));
    ASSERT_EQ(CaixasUtf8().size(), 1u);
    EXPECT_EQ(CaixasUtf8()[0], CatalogoUtf8(279));
    EXPECT_EQ(Linhas("box")[0]["flags"], 0x40030);
    EXPECT_EQ(Campo(1064), "123456");
    const auto textos = Textos(UltimoRegistro());
    EXPECT_NE(std::find(textos.begin(), textos.end(), "CAUT:123456"), textos.end());
}

// The service texts live as long as the package, but each sale starts them
// empty: what an earlier sale typed never travels with a later one.
TEST_F(CreditoTrn, SecondSaleInTheSameLoadSendsNoneOfTheEarlierServiceTexts) {
    Cliente().SetServiceTag("CPRE:", "1");
    Cliente().SetServiceTag("DTEMCART:", "1");
    Cliente().SetServiceTag("CICLOS:", "1");
    const std::string atual = MesAno(0);
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd,
                     "type 1000\nkey Enter\ntype 654321\nkey Enter\ntype " + atual +
                         "\nkey Enter\ntype 7\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(Textos(UltimoRegistro()),
              (std::vector<std::string>{"", "DTEMCART:" + atual, "CICLOS:07", "CAUT:654321"}));

    Cliente().Service().tags.clear();
    Cliente().ClearField(1003);
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd, "expect disabled edCodAutorizacao\ntype 2000\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(Cliente().Calls("AutorizaTransacao").size(), 2u);
    EXPECT_EQ(Textos(UltimoRegistro()), (std::vector<std::string>{"", "", "", ""}));
}

TEST_F(CreditoTrn, CyclesArePaddedToTwoDigitsAndZeroIsRefused) {
    Cliente().SetServiceTag("CICLOS:", "1");
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd,
                     "type 1000\n"
                     "key Enter\n"
                     "expect focus edCiclos\n"
                     "expect text lbMensagem " + CatalogoUtf8(1193) + "\n"
                     "type 0\n"
                     "key Enter\n"
                     "key Enter\n"
                     "answer ok\n"
                     "expect focus edCiclos\n"
                     "type 7\n"
                     "key Enter\n"
                     "key Enter\n"));
    ASSERT_EQ(CaixasUtf8().size(), 1u);
    EXPECT_EQ(CaixasUtf8()[0], CatalogoUtf8(2495));
    EXPECT_EQ(Campo(1048), "07");
    EXPECT_STREQ(zv::CreditoTrnZentravela::Ciclos, "CICLOS:07");
    const auto textos = Textos(UltimoRegistro());
    EXPECT_NE(std::find(textos.begin(), textos.end(), "CICLOS:07"), textos.end());
}

TEST_F(CreditoTrn, CyclesFlagOfAnotherScreenLeavesTheBoxDisabled) {
    Cliente().SetServiceTag("CICLOS:", "011");  // on for the instalment screens only
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd, "expect disabled edCiclos\ntype 1000\nkey Enter\nkey Enter\n"));
    EXPECT_FALSE(Gravou(1048));
}

TEST_F(CreditoTrn, IssueDateInALaterMonthIsRefusedAndThisMonthAccepted) {
    Cliente().SetServiceTag("DTEMCART:", "1");
    const std::string proximo = MesAno(1);
    const std::string atual = MesAno(0);
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd,
                     "type 1000\n"
                     "key Enter\n"
                     "expect focus edDtemCart\n"
                     "type " + proximo + "\n"
                     "key Enter\n"
                     "key Enter\n"
                     "answer ok\n"
                     "expect focus edDtemCart\n"
                     "type 12\n"  // incomplete
                     "key Enter\n"
                     "key Enter\n"
                     "answer ok\n"
                     "type " + atual + "\n"
                     "key Enter\n"
                     "key Enter\n"));
    ASSERT_EQ(CaixasUtf8().size(), 2u);
    EXPECT_EQ(CaixasUtf8()[0], CatalogoUtf8(787));
    EXPECT_EQ(CaixasUtf8()[1], CatalogoUtf8(787));
    EXPECT_EQ(Campo(1208), atual);
    EXPECT_EQ(std::string(zv::CreditoTrnZentravela::DataEmissaoCartaoOpcional), "DTEMCART:" + atual);
}

TEST_F(CreditoTrn, ServiceFeeIsWrittenWithoutFormattingAndRefusedWhenTheHostSaysSo) {
    Cliente().Host().taxaServico = true;
    Cliente().Host().taxaServicoValida = false;
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd,
                     "type 10000\n"
                     "key Enter\n"
                     "expect focus edTaxaServico\n"
                     "type 250\n"
                     "expect text edTaxaServico 2,50\n"
                     "key Enter\n"
                     "key Enter\n"
                     "answer ok\n"
                     "expect focus edTaxaServico\n"
                     "expect text edTaxaServico \n"
                     "click btRetorna\n"));
    ASSERT_EQ(CaixasUtf8().size(), 1u);
    EXPECT_EQ(CaixasUtf8()[0], CatalogoUtf8(321));
    EXPECT_TRUE(Cliente().Calls("AutorizaTransacao").empty());
    // Cancelled at the top: the runner hands the data over once.
    EXPECT_EQ(Cliente().ResultFileWrites(), 1);

    Cliente().Host().taxaServicoValida = true;
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd, "type 10000\nkey Enter\ntype 250\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(Campo(10151), "250");
    // The fee value the host handed out came back untouched.
    const auto valida = Cliente().Calls("ValidaTaxaServico");
    ASSERT_FALSE(valida.empty());
    EXPECT_EQ(valida.back()["taxa_intact"], true);
}

TEST_F(CreditoTrn, FeePromptFollowsTheBoardingFee) {
    Cliente().Host().taxaServico = true;
    Cliente().Host().embarque = true;
    ASSERT_TRUE(Roda("TFrmVis_Crd", FrmVis_Crd,
                     "type 100\nkey Enter\nexpect text lbMensagem " + CatalogoUtf8(2572) + "\nclick btRetorna\n"));
}

}  // namespace
