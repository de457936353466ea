// The cancellation menu: its options from the enabled tables and the
// withdrawal cancellation service, and the screens not built yet.
#include "AmbienteCredito.h"
#include "Catalogo.h"
#include "HostCalls.h"
#include "cancel/MenuCancelamentoZentravela.h"

namespace {

using credit_teste::AmbienteCredito;
using zv::MenuCancelamentoZentravela::FrmCnc_Mnu;

class MenuCancelamento : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
        Host().Service().codes = {"17"};
    }
    std::string Habilitadas() {
        auto* menu = forms::Application::Instance().Create<zv::TFrmCnc_Mnu>();
        menu->IniciaFormularioMenu();
        menu->VerificaOpcoesHabilitadas();
        std::string estado;
        for (auto* sp : menu->Opcoes()) estado += sp->Visible() ? (sp->Enabled() ? '1' : '0') : '-';
        forms::Application::Instance().Destroy(menu);
        return estado;
    }
    std::string Falha802(const char* nome) {
        return sim::Cp1252ToUtf8(zv::host::MensagemFormatada(802, {nome}));
    }
};

TEST_F(MenuCancelamento, TablesAndTheServiceChooseTheOptions) {
    EXPECT_EQ(Habilitadas(), "111-----");
    Host().Enabled().terminal = std::set<int>{6};
    Host().Service().codes.clear();
    EXPECT_EQ(Habilitadas(), "100-----");
    Host().Enabled().terminal = std::set<int>{21};
    Host().Enabled().intpos = std::set<int>{7};
    Host().Service().codes = {"17"};
    Host().ClearJournal();
    EXPECT_EQ(Habilitadas(), "010-----");
    // Without code 63 the host's service is not asked at all.
    EXPECT_TRUE(Host().Calls("VerificaServico4").empty());
}

TEST_F(MenuCancelamento, TitleCaptionsAndSize) {
    auto* menu = forms::Application::Instance().Create<zv::TFrmCnc_Mnu>();
    menu->IniciaFormularioMenu();
    EXPECT_EQ(menu->lbTitulo->Caption(), sim::MessageText(465));
    EXPECT_EQ(menu->spOpcao1->Caption(), "&1 - " + sim::MessageText(409));
    EXPECT_EQ(menu->spOpcao2->Caption(), "&2 - " + sim::MessageText(1194));
    EXPECT_EQ(menu->spOpcao3->Caption(), "&3 - " + sim::MessageText(375));
    EXPECT_EQ(menu->pnMenu->Top(), 114);
    EXPECT_EQ(menu->pnMenu->Width(), 174);
    EXPECT_EQ(menu->spOpcao1->Width(), 172);
    forms::Application::Instance().Destroy(menu);
}

TEST_F(MenuCancelamento, ScreensThatCannotBeCreatedAreNamedAndTheMenuStays) {
    zv::RemoveClasseTela("TFrmFin_Cnc");
    ASSERT_TRUE(Roda("TFrmCnc_Mnu", FrmCnc_Mnu,
                     "type 2\nanswer ok\nexpect screen FrmCnc_Mnu\n"
                     "type 3\nanswer ok\nexpect enabled spEncerra\nclick spEncerra\n"));
    const auto caixas = Linhas("box");
    ASSERT_EQ(caixas.size(), 2u);
    EXPECT_EQ(caixas[0]["text"], Falha802("FrmFat_Cnc"));
    EXPECT_EQ(caixas[1]["text"], Falha802("FrmSaque_Cnc"));
    EXPECT_EQ(caixas[1]["flags"], 0x40000);
}

TEST_F(MenuCancelamento, CancelledScreenGivesTheMenuBackAndAnApprovedOneClosesIt) {
    Campo(10134, "1");
    ASSERT_TRUE(Roda("TFrmCnc_Mnu", FrmCnc_Mnu,
                     "type 1\nexpect screen FrmCrd_Cnc\nclick btRetorna\nwait 50\n"
                     "expect screen FrmCnc_Mnu\ntype 1\n"
                     "type 10000\nkey Enter\ntype 05032024\nkey Enter\ntype 9\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(TelasCriadas(), (std::vector<std::string>{"FrmCnc_Mnu", "FrmCrd_Cnc", "FrmCrd_Cnc"}));
    EXPECT_EQ(UltimoRegistro()["code"], 54);
    EXPECT_EQ(FrmCnc_Mnu, nullptr);
    EXPECT_TRUE(RoteiroAcabou());
}

}  // namespace
