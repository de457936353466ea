// The instalment withdrawal: the limits from "NPSAQ:" or the host's fields,
// the order of the checks, and the number written as typed (the refusals 319
// and 320 are tested end to end).
#include "AmbienteCredito.h"
#include "host/Catalogo.h"
#include "withdrawal/SaqueFinParceladoZentravela.h"

using zvtest::CatalogoUtf8;

namespace {

using zvtest::AmbienteCredito;
using zv::SaqueFinParceladoZentravela::FrmPar_Saq;

class SaqueParcelado : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
    }
};

struct CasoLimites {
    const char* npsaq;  // nullptr: tag absent
    const char* f10118;
    const char* f10119;
    int minimo;
    int maximo;
};

class LimitesSaque : public SaqueParcelado, public ::testing::WithParamInterface<CasoLimites> {};

TEST_P(LimitesSaque, LimitsComeFromTheServiceValueOrTheFieldsWithAMinimumOfTwo) {
    const CasoLimites& caso = GetParam();
    if (caso.npsaq != nullptr) Cliente().SetServiceTag("NPSAQ:", caso.npsaq);
    Campo(10118, caso.f10118);
    Campo(10119, caso.f10119);
    auto* tela = forms::Application::Instance().Create<zv::TFrmPar_Saq>();
    tela->IniciaCamposForm();
    EXPECT_EQ(tela->MinimoParcelas, caso.minimo);
    EXPECT_EQ(tela->MaximoParcelas, caso.maximo);
    forms::Application::Instance().Destroy(tela);
}

INSTANTIATE_TEST_SUITE_P(Casos, LimitesSaque,
                         ::testing::Values(CasoLimites{"0312", "5", "20", 3, 12}, CasoLimites{"0112", "", "", 2, 12},
                                           CasoLimites{"xx1", "", "", 2, 1}, CasoLimites{"04", "", "", 4, 99},
                                           CasoLimites{nullptr, "5", "20", 5, 20},
                                           CasoLimites{nullptr, "0", "dez", 2, 99},
                                           CasoLimites{"", "6", "", 6, 99}));

struct CasoNumero {
    const char* digitado;
    int recusa;  // the message refusing it, 0 when the number passes
};

class NumeroNosLimites : public SaqueParcelado, public ::testing::WithParamInterface<CasoNumero> {};

// "NPSAQ:" 0312: both limits are numbers the operator may take.
TEST_P(NumeroNosLimites, MinimumAndMaximumPassTheirNeighboursDoNot) {
    const CasoNumero& caso = GetParam();
    Cliente().SetServiceTag("NPSAQ:", "0312");
    ASSERT_TRUE(Roda("TFrmPar_Saq", FrmPar_Saq,
                     std::string("type 50000\nkey Enter\ntype ") + caso.digitado + "\nkey Enter\nkey Enter\n" +
                         (caso.recusa == 0 ? "" : "answer ok\nclick btRetorna\n")));
    std::vector<std::string> caixas;
    if (caso.recusa != 0) caixas.push_back(caso.recusa == 319 ? CatalogoUtf8(319, {"3", "12"}) : CatalogoUtf8(caso.recusa));
    EXPECT_EQ(CaixasUtf8(), caixas);
    EXPECT_EQ(Cliente().Calls("AutorizaTransacao").size(), caso.recusa == 0 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Npsaq0312, NumeroNosLimites,
                         ::testing::Values(CasoNumero{"2", 319}, CasoNumero{"3", 0}, CasoNumero{"12", 0},
                                           CasoNumero{"13", 320}));

TEST_F(SaqueParcelado, NumberIsCheckedBeforeTheIssueDate) {
    Cliente().SetServiceTag("DTEMCART:", "1");
    Campo(10118, "3");
    ASSERT_TRUE(Roda("TFrmPar_Saq", FrmPar_Saq,
                     "type 50000\nkey Enter\ntype 1\nkey Enter\ntype 13\nkey Enter\nkey Enter\nanswer ok\n"
                     "click btRetorna\n"));
    EXPECT_EQ(CaixasUtf8(), std::vector<std::string>{CatalogoUtf8(319, {"3", "99"})});
}

TEST_F(SaqueParcelado, EmptyNumberPassesAndIsWrittenEmpty) {
    ASSERT_TRUE(Roda("TFrmPar_Saq", FrmPar_Saq, "type 50000\nkey Enter\nkey Enter\nkey Enter\n"));
    EXPECT_TRUE(CaixasUtf8().empty());
    EXPECT_TRUE(Gravou(1017));
    EXPECT_EQ(Campo(1017), "");
}

TEST_F(SaqueParcelado, HostSuppliedNumberIsLockedAndRefusedWithoutTakingTheFocus) {
    Campo(1017, "03");
    Campo(10119, "2");
    ASSERT_TRUE(Roda("TFrmPar_Saq", FrmPar_Saq,
                     "expect disabled edNumParcelas\nexpect text edNumParcelas 03\n"
                     "type 50000\nkey Enter\nkey Enter\nanswer ok\n"
                     "expect focus edValor\nexpect text edNumParcelas 03\nclick btRetorna\n"));
    EXPECT_EQ(CaixasUtf8(), std::vector<std::string>{CatalogoUtf8(320)});

    Campo(10119, "");
    ASSERT_TRUE(Roda("TFrmPar_Saq", FrmPar_Saq, "type 50000\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(Campo(1017), "03");
}

}  // namespace
