// The cancellation menu: its options from the enabled tables and the
// withdrawal cancellation service, and screens that cannot be created.
#include "AmbienteCredito.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "menus/MenuCancelamentoZentravela.h"

namespace {

using zvtest::AmbienteCredito;
using zv::MenuCancelamentoZentravela::FrmCnc_Mnu;

class MenuCancelamento : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
        Cliente().Service().codes = {"17"};
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
        return zvtest::CatalogoUtf8(802, {nome});
    }
};

TEST_F(MenuCancelamento, TablesAndTheServiceChooseTheOptions) {
    EXPECT_EQ(Habilitadas(), "111-----");
    Cliente().Enabled().terminal = std::set<int>{6};
    Cliente().Service().codes.clear();
    EXPECT_EQ(Habilitadas(), "100-----");
    Cliente().Enabled().terminal = std::set<int>{21};
    Cliente().Enabled().intpos = std::set<int>{7};
    Cliente().Service().codes = {"17"};
    Cliente().ClearJournal();
    EXPECT_EQ(Habilitadas(), "010-----");
    // Without code 63 the host's service is not asked at all.
    EXPECT_TRUE(Cliente().Calls("VerificaServico4").empty());
}

TEST_F(MenuCancelamento, ScreensThatCannotBeCreatedAreNamedAndTheMenuStays) {
    zv::RemoveClasseTela("TFrmFat_Cnc");
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

}  // namespace
