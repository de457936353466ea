// The withdrawal menu: its options from the host's services and field 1017,
// and the receipt flag set for the consultation even when it cannot be created.
#include "AmbienteCredito.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "menus/MenuSaqueZentravela.h"
#include "screens/MenuModeloZentravela.h"

namespace {

using zvtest::AmbienteCredito;
using zv::MenuSaqueZentravela::FrmSaqueCredito_Mnu;

class MenuSaque : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
        Cliente().Service().codes = {"14", "15", "16"};
    }
};

struct CasoOpcoes {
    std::set<std::string> servicos;
    const char* f1017;
    const char* habilitadas;  // options 1 to 3
};

class OpcoesSaque : public MenuSaque, public ::testing::WithParamInterface<CasoOpcoes> {};

TEST_P(OpcoesSaque, ServicesAndTheInstalmentsAskedChooseTheOptions) {
    const CasoOpcoes& caso = GetParam();
    Cliente().Service().codes = caso.servicos;
    Campo(1017, caso.f1017);
    auto* menu = forms::Application::Instance().Create<zv::TFrmSaqueCredito_Mnu>();
    menu->IniciaFormularioMenu();
    menu->VerificaOpcoesHabilitadas();
    std::string estado;
    for (auto* sp : menu->Opcoes()) estado += sp->Visible() ? (sp->Enabled() ? '1' : '0') : '-';
    EXPECT_EQ(estado, std::string(caso.habilitadas) + "-----");
    forms::Application::Instance().Destroy(menu);
}

INSTANTIATE_TEST_SUITE_P(Casos, OpcoesSaque,
                         ::testing::Values(CasoOpcoes{{"14", "15", "16"}, "", "111"},
                                           CasoOpcoes{{"14", "15", "16"}, "1", "101"},
                                           CasoOpcoes{{"14", "15", "16"}, "0", "101"},
                                           CasoOpcoes{{"14", "15", "16"}, "3", "011"},
                                           CasoOpcoes{{"14", "15", "16"}, "tres", "111"},
                                           CasoOpcoes{{"15"}, "1", "000"}, CasoOpcoes{{"14", "16"}, "", "101"}));

TEST_F(MenuSaque, ConsultationThatCannotBeCreatedIsNamedWithTheReceiptFlagSet) {
    zv::RemoveClasseTela("TFrmCon_AdmSaque");
    zv::MenuModeloZentravela::ImprimeCupom = false;
    ASSERT_TRUE(Roda("TFrmSaqueCredito_Mnu", FrmSaqueCredito_Mnu,
                     "type 3\nanswer ok\nexpect screen FrmSaqueCredito_Mnu\nexpect enabled spOpcao3\n"
                     "click spEncerra\n"));
    const auto caixas = Linhas("box");
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0]["text"], zvtest::CatalogoUtf8(802, {"FrmCon_AdmSaque"}));
    EXPECT_EQ(caixas[0]["flags"], 0x40000);
    EXPECT_TRUE(zv::MenuModeloZentravela::ImprimeCupom);
}

}  // namespace
