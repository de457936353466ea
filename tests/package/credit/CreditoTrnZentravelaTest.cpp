// The credit purchase screen (through the at-sight sale, its simplest shown
// form): fee, pre-authorisation code, issue date, cycles, and the record.
#include <cstddef>
#include <cstring>

#include "AmbienteCredito.h"
#include "DatasTeste.h"
#include "credit/CreditoTrnZentravela.h"
#include "credit/CreditoVistaZentravela.h"
#include "host/Catalogo.h"

using zvtest::CatalogoUtf8;

namespace {

using credit_teste::AmbienteCredito;
using zvtest::MesAno;
using zv::CreditoTrnZentravela::TrnCompraCredito;
using zv::CreditoVistaZentravela::FrmVis_Crd;

// An entry copied out of the packed record, as the host library reads it.
struct Lida {
    uint32_t campo;
    uint16_t attr1;
    uint16_t attr2;
    uint8_t attr3;
    const char* texto;
};
Lida Le(const ZvTrnEntry& e) {
    Lida l{};
    std::memcpy(&l.campo, reinterpret_cast<const char*>(&e) + offsetof(ZvTrnEntry, field), sizeof l.campo);
    std::memcpy(&l.attr1, reinterpret_cast<const char*>(&e) + offsetof(ZvTrnEntry, attr1), sizeof l.attr1);
    std::memcpy(&l.attr2, reinterpret_cast<const char*>(&e) + offsetof(ZvTrnEntry, attr2), sizeof l.attr2);
    std::memcpy(&l.attr3, reinterpret_cast<const char*>(&e) + offsetof(ZvTrnEntry, attr3), sizeof l.attr3);
    std::memcpy(&l.texto, reinterpret_cast<const char*>(&e) + offsetof(ZvTrnEntry, text), sizeof l.texto);
    return l;
}

class CreditoTrn : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
    }
};

TEST(TrnCompraCredito, LaysOutTheCreditPurchaseEntriesAndEndsTheList) {
    const uint16_t codigo = TrnCompraCredito.code;
    const uint8_t financeiro = TrnCompraCredito.flag;
    const uint8_t reservado = TrnCompraCredito.reserved;
    EXPECT_EQ(codigo, 56);
    EXPECT_EQ(financeiro, 1);
    EXPECT_EQ(reservado, 0);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(&TrnCompraCredito) % 4, 0u);

    struct Esperada {
        uint32_t campo;
        uint16_t attr2;
        uint8_t attr3;
        const char* texto;
    };
    using namespace zv::CreditoTrnZentravela;
    const Esperada esperadas[] = {
        {10112, 0, 0, nullptr}, {10171, 0, 0, nullptr}, {10134, 0, 0, nullptr}, {10156, 0, 0, nullptr},
        {10104, 0, 0, nullptr}, {1003, 4, 0, nullptr},  {1017, 0, 0, nullptr},  {10151, 0, 0, nullptr},
        {10147, 0, 0, nullptr}, {0, 0, 0, ""},           {1019, 4, 0, nullptr},  {10146, 0, 0, nullptr},
        {10149, 0, 0, nullptr}, {0, 0, 0, DataEmissaoCartaoOpcional}, {0, 0, 0, Ciclos},
        {0, 0, 0, CodigoAutorizacao}, {10174, 0, 255, nullptr}, {10175, 0, 255, nullptr},
        {10294, 0, 0, nullptr}, {10278, 0, 255, nullptr}, {10176, 0, 255, nullptr},
    };
    constexpr size_t n = std::size(esperadas);
    for (size_t i = 0; i < n; ++i) {
        const Lida e = Le(TrnCompraCredito.entries[i]);
        SCOPED_TRACE(i);
        EXPECT_EQ(e.campo, esperadas[i].campo);
        EXPECT_EQ(e.attr1, 0);
        EXPECT_EQ(e.attr2, esperadas[i].attr2);
        EXPECT_EQ(e.attr3, esperadas[i].attr3);
        if (esperadas[i].texto == nullptr || esperadas[i].texto[0] == '\0') {
            EXPECT_TRUE(e.texto == nullptr || e.texto[0] == '\0');
        } else {
            // The service texts are sent from their buffers, not copies.
            EXPECT_EQ(e.texto, esperadas[i].texto);
        }
    }
    EXPECT_EQ(Le(TrnCompraCredito.entries[n]).campo, ZV_TRN_END_OF_LIST);
    for (size_t i = n + 1; i < ZV_TRN_ENTRIES; ++i) {
        const Lida e = Le(TrnCompraCredito.entries[i]);
        EXPECT_EQ(e.campo, 0u);
        EXPECT_EQ(e.attr2, 0);
        EXPECT_EQ(e.attr3, 0);
        EXPECT_STREQ(e.texto, "");
    }
}

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
