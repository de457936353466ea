// The financial screen, through the revolving withdrawal (its simplest shown
// form): cycles and issue date when the host asks for them, and the texts the
// financial record sends. The issue date's refusal is tested end to end.
#include "AmbienteCredito.h"
#include "DatasTeste.h"
#include "host/Catalogo.h"
#include "withdrawal/FinanceiroTrnZentravela.h"
#include "withdrawal/SaqueFinRotativoZentravela.h"

using zvtest::CatalogoUtf8;

namespace {

using zvtest::AmbienteCredito;
using zv::SaqueFinRotativoZentravela::FrmRot_Saq;
using zvtest::MesAno;
namespace fin = zv::FinanceiroTrnZentravela;

class FinanceiroTrn : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
    }
    // A new withdrawal in the same load: the host clears what the last one left.
    void NovoSaque() {
        Cliente().Service().tags.clear();
        for (int campo : {1003, 1017, 1048, 1208}) Cliente().ClearField(campo);
    }
};

// The texts are emptied when each withdrawal starts: what one withdrawal sent
// does not travel with the next.
TEST_F(FinanceiroTrn, TextsOfAnEarlierWithdrawalDoNotTravelWithTheNext) {
    Cliente().SetServiceTag("CICLOS:", "0001");
    Cliente().SetServiceTag("DTEMCART:", "1");
    const std::string mes = MesAno(0);
    ASSERT_TRUE(Roda("TFrmRot_Saq", FrmRot_Saq,
                     "type 1000\nkey Enter\nexpect focus edDtemCart\ntype " + mes +
                         "\nkey Enter\nexpect focus edCiclos\ntype 7\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(Textos(UltimoRegistro()), (std::vector<std::string>{"DTEMCART:" + mes, "CICLOS:07"}));

    NovoSaque();
    Cliente().ClearJournal();
    Cliente().SetServiceTag("CICLOS:", "1110");  // the other screens' flags, not this one's (4)
    ASSERT_TRUE(Roda("TFrmRot_Saq", FrmRot_Saq,
                     "expect disabled edDtemCart\nexpect disabled edCiclos\ntype 2000\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(Textos(UltimoRegistro()), (std::vector<std::string>{"", ""}));
    EXPECT_FALSE(Gravou(1048));
    EXPECT_FALSE(Gravou(1208));
}

// The single instalment is the screen's own value: written even over a host
// value too long to be read whole.
TEST_F(FinanceiroTrn, RevolvingWithdrawalSendsOneInstalmentOverAHostValueReadCut) {
    for (size_t tamanho : {4096u, 5000u}) {
        NovoSaque();
        Campo(zv::CAMPO_NUMERO_PARCELAS, std::string(tamanho, '3'));
        ASSERT_TRUE(Roda("TFrmRot_Saq", FrmRot_Saq, "type 1000\nkey Enter\nkey Enter\n"));
        EXPECT_EQ(Campo(zv::CAMPO_NUMERO_PARCELAS), "1") << tamanho;
    }
}

struct CasoCiclos {
    const char* digitado;
    const char* campo1048;  // nullptr: not written
    const char* texto;
};

class CiclosFinanceiro : public FinanceiroTrn, public ::testing::WithParamInterface<CasoCiclos> {};

TEST_P(CiclosFinanceiro, CyclesArePaddedAndNeverJudged) {
    const CasoCiclos& caso = GetParam();
    Cliente().SetServiceTag("CICLOS:", "0001");
    const std::string digita = *caso.digitado ? std::string("type ") + caso.digitado + "\n" : "";
    ASSERT_TRUE(Roda("TFrmRot_Saq", FrmRot_Saq,
                     "type 1000\nkey Enter\nexpect focus edCiclos\nexpect text lbMensagem " + CatalogoUtf8(1193) + "\n" +
                         digita + "key Enter\nkey Enter\n"));
    EXPECT_TRUE(CaixasUtf8().empty());
    if (caso.campo1048 == nullptr) {
        EXPECT_FALSE(Gravou(1048));
    } else {
        EXPECT_EQ(Campo(1048), caso.campo1048);
    }
    EXPECT_STREQ(fin::Ciclos, caso.texto);
}

INSTANTIATE_TEST_SUITE_P(Digitados, CiclosFinanceiro,
                         ::testing::Values(CasoCiclos{"7", "07", "CICLOS:07"}, CasoCiclos{"0", "00", "CICLOS:00"},
                                           CasoCiclos{"", nullptr, ""}, CasoCiclos{"a1-2", "12", "CICLOS:12"}));

}  // namespace
