// The credit, pre-authorisation and administrative credit menus: which
// options they offer, and how they run the chosen screen.
#include "AmbienteCredito.h"
#include "common/ZentravelaMain.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "menus/MenuCreditoAdmZentravela.h"
#include "menus/MenuCreditoZentravela.h"
#include "menus/MenuPreAutorizacaoZentravela.h"
#include "screens/MenuModeloZentravela.h"

namespace {

using zvtest::AmbienteCredito;
using zv::MenuCreditoAdmZentravela::FrmCredAdm_Mnu;
using zv::MenuCreditoZentravela::FrmCred_Mnu;

class MenuCredito : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
        // The consultation screens come later; make sure they cannot be created here.
        for (const char* classe : {"TFrmCon_AdmCrdPar", "TFrmCnsSaldo_Cred", "TFrmSaqueCredito_Mnu"}) {
            zv::RemoveClasseTela(classe);
        }
    }

    // The enabled state of options 1..4 as the menu works it out, without showing it.
    template <class Menu>
    std::string Habilitadas() {
        auto* menu = forms::Application::Instance().Create<Menu>();
        menu->IniciaFormularioMenu();
        menu->VerificaOpcoesHabilitadas();
        std::string estado;
        for (auto* sp : {menu->spOpcao1, menu->spOpcao2, menu->spOpcao3, menu->spOpcao4}) {
            estado += sp->Visible() ? (sp->Enabled() ? '1' : '0') : '-';
        }
        forms::Application::Instance().Destroy(menu);
        return estado;
    }
};

TEST_F(MenuCredito, InstalmentsAskedByTheHostChooseTheOptions) {
    EXPECT_EQ(Habilitadas<zv::TFrmCred_Mnu>(), "1111");
    Campo(1017, "1");
    EXPECT_EQ(Habilitadas<zv::TFrmCred_Mnu>(), "1000");
    Campo(1017, "0");
    EXPECT_EQ(Habilitadas<zv::TFrmCred_Mnu>(), "1000");
    Campo(1017, "6");
    EXPECT_EQ(Habilitadas<zv::TFrmCred_Mnu>(), "0111");
    Campo(1017, "seis");
    EXPECT_EQ(Habilitadas<zv::TFrmCred_Mnu>(), "1111");
}

TEST_F(MenuCredito, EnabledTablesChooseTheOptionsToo) {
    Cliente().Enabled().terminal = std::set<int>{1, 2, 8};
    EXPECT_EQ(Habilitadas<zv::TFrmCred_Mnu>(), "1011");
    Cliente().Enabled().intpos = std::set<int>{5};
    EXPECT_EQ(Habilitadas<zv::TFrmCred_Mnu>(), "1010");
}

TEST_F(MenuCredito, MenuShowsItsCataloguedCaptionsAndHidesTheRest) {
    auto* menu = forms::Application::Instance().Create<zv::TFrmCred_Mnu>();
    menu->IniciaFormularioMenu();
    EXPECT_EQ(menu->lbTitulo->Caption(), sim::MessageText(431));
    EXPECT_EQ(menu->spOpcao1->Caption(), "&1 - " + sim::MessageText(351));
    EXPECT_EQ(menu->spOpcao4->Caption(), "&4 - " + sim::MessageText(341));
    EXPECT_EQ(menu->spEncerra->Caption(), sim::MessageText(330));
    EXPECT_TRUE(menu->spEncerra->Visible());
    for (auto* sp : {menu->spOpcao5, menu->spOpcao6, menu->spOpcao7, menu->spOpcao8}) EXPECT_FALSE(sp->Visible());
    EXPECT_EQ(menu->pnMenu->Width(), 200);
    EXPECT_EQ(menu->spOpcao1->Width(), 198);
    forms::Application::Instance().Destroy(menu);
}

TEST_F(MenuCredito, PreAuthorisationMenuFollowsTheAllowedKinds) {
    zv::TRN_PCAPV = true;
    zv::TRN_PCAPPL = false;
    zv::TRN_PCAPPA = false;
    Campo(1017, "3");
    EXPECT_EQ(Habilitadas<zv::TFrmPreAut_Mnu>(), "0001");
    Campo(1017, "1");
    EXPECT_EQ(Habilitadas<zv::TFrmPreAut_Mnu>(), "1000");
    zv::TRN_PCAPPL = true;
    zv::TRN_PCAPPA = true;
    Campo(1017, "");
    EXPECT_EQ(Habilitadas<zv::TFrmPreAut_Mnu>(), "1111");
}

TEST_F(MenuCredito, MenuWithNoOptionReportsToTheHostAndCloses) {
    zv::TRN_PCAPV = true;
    Campo(1017, "3");
    Cliente().Enabled().terminal = std::set<int>{1, 2, 3};  // no consultation
    ASSERT_TRUE(Roda("TFrmPreAut_Mnu", FrmCred_Mnu, "wait 50\n"));
    ASSERT_EQ(Cliente().ErrorReports().size(), 1u);
    EXPECT_EQ(Cliente().ErrorReports()[0].code, 255);
    EXPECT_EQ(Cliente().ErrorReports()[0].text, sim::MessageText(993));
    EXPECT_EQ(TelasCriadas(), std::vector<std::string>{"FrmPreAut_Mnu"});
    EXPECT_EQ(FrmCred_Mnu, nullptr);
}

TEST_F(MenuCredito, OnlyOptionOpensByItselfAndItsOkClosesTheMenu) {
    Campo(1017, "1");
    ASSERT_TRUE(Roda("TFrmCred_Mnu", FrmCred_Mnu,
                     "expect screen FrmVis_Crd\n"
                     "type 5000\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(TelasCriadas(), (std::vector<std::string>{"FrmCred_Mnu", "FrmVis_Crd"}));
    EXPECT_EQ(Campo(1017), "1");
    EXPECT_EQ(Campo(10156), "4");
    EXPECT_EQ(Cliente().ResultFileWrites(), 1);
    EXPECT_EQ(FrmCred_Mnu, nullptr);
    EXPECT_TRUE(RoteiroAcabou());
}

TEST_F(MenuCredito, CancelledScreenGivesTheMenuBackWithoutChoosingAgain) {
    Campo(1017, "1");
    ASSERT_TRUE(Roda("TFrmCred_Mnu", FrmCred_Mnu,
                     "expect screen FrmVis_Crd\n"
                     "click btRetorna\n"
                     "wait 50\n"
                     "expect screen FrmCred_Mnu\n"
                     "expect focus spOpcao1\n"
                     "expect enabled spEncerra\n"
                     "click spEncerra\n"));
    EXPECT_EQ(TelasCriadas(), (std::vector<std::string>{"FrmCred_Mnu", "FrmVis_Crd"}));
    EXPECT_TRUE(Cliente().Calls("AutorizaTransacao").empty());
    // The menu was cancelled at the top: one hand-over of the data.
    EXPECT_EQ(Cliente().ResultFileWrites(), 1);
}

TEST_F(MenuCredito, DigitTypedWhileAnOptionOpensDoesNotChooseAnother) {
    ASSERT_TRUE(Roda("TFrmCred_Mnu", FrmCred_Mnu,
                     "expect screen FrmCred_Mnu\n"
                     "type 12\n"
                     "expect screen FrmVis_Crd\n"
                     "expect text edValor \n"
                     "click btRetorna\n"
                     "wait 50\n"
                     "expect screen FrmCred_Mnu\n"
                     "click spEncerra\n"));
    EXPECT_EQ(TelasCriadas(), (std::vector<std::string>{"FrmCred_Mnu", "FrmVis_Crd"}));
}

TEST_F(MenuCredito, ScreenThatCannotBeCreatedIsNamedAndTheMenuStays) {
    zv::RemoveClasseTela("TFrmCon_AdmCrdPar");
    Campo(1017, "6");
    ASSERT_TRUE(Roda("TFrmCred_Mnu", FrmCred_Mnu,
                     "type 4\n"
                     "answer ok\n"
                     "expect screen FrmCred_Mnu\n"
                     "expect enabled spOpcao4\n"
                     "expect enabled spEncerra\n"
                     "click spEncerra\n"));
    const auto caixas = Linhas("box");
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0]["text"], zvtest::CatalogoUtf8(802, {"FrmCon_AdmCrdPar"}));
    EXPECT_EQ(caixas[0]["flags"], 0x40000);
    // The sale menu opens the consultation without a receipt.
    EXPECT_FALSE(zv::MenuModeloZentravela::ImprimeCupom);
}

TEST_F(MenuCredito, AdministrativeMenuOptions) {
    Cliente().Service().codes = {"33", "16"};
    EXPECT_EQ(Habilitadas<zv::TFrmCredAdm_Mnu>(), "111-");
    // The withdrawal codes are asked in order and the first yes ends it.
    const auto servicos = Cliente().Calls("VerificaServico4");
    ASSERT_EQ(servicos.size(), 2u);
    EXPECT_EQ(servicos[0]["args"][0], "32");
    EXPECT_EQ(servicos[1]["args"][0], "33");

    Cliente().Service().codes.clear();
    EXPECT_EQ(Habilitadas<zv::TFrmCredAdm_Mnu>(), "110-");
    Cliente().Service().codes = {"32"};
    Cliente().Enabled().intpos = std::set<int>{58};
    EXPECT_EQ(Habilitadas<zv::TFrmCredAdm_Mnu>(), "010-");
}

TEST_F(MenuCredito, AdministrativeMenuOpensTheOnlyOptionWithReceiptFlagForTheConsultation) {
    zv::RemoveClasseTela("TFrmCon_AdmCrdPar");
    Cliente().Enabled().intpos = std::set<int>{6};
    zv::MenuModeloZentravela::ImprimeCupom = false;
    ASSERT_TRUE(Roda("TFrmCredAdm_Mnu", FrmCredAdm_Mnu, "answer ok\nclick spEncerra\n"));
    const auto caixas = Linhas("box");
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0]["text"], zvtest::CatalogoUtf8(802, {"FrmCon_AdmCrdPar"}));
    EXPECT_TRUE(zv::MenuModeloZentravela::ImprimeCupom);
}

}  // namespace
