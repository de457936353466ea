// The menu model through a small concrete menu whose options open a test screen.
#include "AmbienteTelas.h"

#include "cp1252/Cp1252.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zvtest {
namespace {

// A screen an option opens: "btOk" ends it with 1, "btCancela" with 2.
class TFrmSub_Teste : public zv::TFrmMod {
public:
    TFrmSub_Teste() : zv::TFrmMod("FrmSub_Teste") {
        auto& ok = Add<forms::GlyphButton>("btOk");
        ok.SetTabStop(true);
        ok.SetCaption("&1 - Ok");
        ok.OnClick = [this](forms::Control&) { SetModalResult(forms::mrOk); };
        auto& cancela = Add<forms::GlyphButton>("btCancela");
        cancela.SetTabStop(true);
        cancela.SetCaption("&9 - Cancela");
        cancela.OnClick = [this](forms::Control&) { SetModalResult(forms::mrCancel); };
    }
};
forms::Form* CriaSub() { return forms::Application::Instance().Create<TFrmSub_Teste>(); }
forms::Form* FrmSub_Teste = nullptr;

// Which options exist and which the "tables" allow, set by each test.
struct Config {
    int visiveis = 3;
    std::vector<bool> habilitadas{true, true, true};
    bool encerraComTabStop = true;
    std::vector<char> teclasDuranteAbertura;  // typed while an option's screen opens
};
Config config;

class TFrmTeste_Mnu : public zv::TFrmMnu_Mod {
public:
    TFrmTeste_Mnu() : zv::TFrmMnu_Mod("FrmTeste_Mnu") {
        const auto opcoes = Opcoes();
        for (int i = 0; i < MAX_OPCOES; ++i)
            opcoes[i]->OnClick = [this, i](forms::Control&) { AbreOpcao(i + 1); };
    }
    void IniciaFormularioMenu() override {
        ++construcoes;
        lbTitulo->SetCaption("Menu de teste");
        const auto opcoes = Opcoes();
        for (int i = 0; i < MAX_OPCOES; ++i) {
            opcoes[i]->SetCaption("&" + std::to_string(i + 1) + " - Opcao");
            opcoes[i]->SetVisible(i < config.visiveis);
        }
        spEncerra->SetCaption(zv::host::Mensagem(zv::MSG_ENCERRA));
        spEncerra->SetVisible(true);
        spEncerra->SetTabStop(config.encerraComTabStop);
    }
    void VerificaOpcoesHabilitadas() override {
        const auto opcoes = Opcoes();
        for (int i = 0; i < config.visiveis; ++i)
            opcoes[i]->SetEnabled(i < static_cast<int>(config.habilitadas.size()) && config.habilitadas[i]);
    }
    // As a concrete menu's option handler does.
    void AbreOpcao(int n) {
        for (char k : config.teclasDuranteAbertura) forms::Application::Instance().PostKey(k);
        HabilitaDesabilitaBotoes(false);
        abertas.push_back(n);
        zv::CriaExecutaForm("TFrmSub_Teste", this, FrmSub_Teste);
        if (ModalResult() == forms::mrNone) HabilitaDesabilitaBotoes(true);
    }
    std::vector<int> abertas;
    int construcoes = 0;
};

class MenuModelo : public AmbienteTelas {
protected:
    void SetUp() override {
        AmbienteTelas::SetUp();
        config = Config{};
        FrmSub_Teste = nullptr;
        zv::RegistraClasseTela("TFrmSub_Teste", &CriaSub);
    }
    void TearDown() override {
        zv::RemoveClasseTela("TFrmSub_Teste");
        AmbienteTelas::TearDown();
    }
};

TEST_F(MenuModelo, UmaOpcaoHabilitadaAbreSozinha) {
    config.habilitadas = {false, true, false};
    Roteiro("expect screen FrmSub_Teste\nclick btOk\n");
    int r = 0;
    auto& menu = Mostra<TFrmTeste_Mnu>(r);
    EXPECT_EQ(r, forms::mrOk);  // the option's OK closes the menu too
    EXPECT_EQ(menu.abertas, std::vector<int>{2});
}

TEST_F(MenuModelo, NenhumaOpcaoInforma993EFecha) {
    config.habilitadas = {false, false, false};
    int r = 0;
    auto& menu = Mostra<TFrmTeste_Mnu>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_TRUE(menu.abertas.empty());
    const auto& erros = Cliente().ErrorReports();
    ASSERT_EQ(erros.size(), 1u);
    EXPECT_EQ(erros[0].code, 255);
    EXPECT_EQ(erros[0].text, CatalogoCp1252(zv::MSG_MENU_SEM_OPCAO));
}

TEST_F(MenuModelo, DuasOpcoesEsperamComFocoNaPrimeiraHabilitada) {
    config.habilitadas = {false, true, true};
    Roteiro("wait 50\nexpect focus spOpcao2\nexpect text lbMensagem " +
            CatalogoUtf8(zv::MSG_ESCOLHA_OPCAO) + "\nclick spEncerra\n");
    int r = 0;
    auto& menu = Mostra<TFrmTeste_Mnu>(r);
    EXPECT_EQ(r, forms::mrCancel);
    EXPECT_TRUE(menu.abertas.empty());
    EXPECT_TRUE(Cliente().ErrorReports().empty());
}

TEST_F(MenuModelo, DigitoDuranteAAberturaNaoEscolheOutraOpcao) {
    config.teclasDuranteAbertura = {'2', '3'};
    Roteiro(
        "type 1\n"
        "expect screen FrmSub_Teste\nclick btCancela\n"
        "expect screen FrmTeste_Mnu\nexpect enabled spEncerra\nexpect enabled spOpcao2\n"
        "click spEncerra\n");
    int r = 0;
    auto& menu = Mostra<TFrmTeste_Mnu>(r);
    EXPECT_EQ(r, forms::mrCancel);
    EXPECT_EQ(menu.abertas, std::vector<int>{1});
}

TEST_F(MenuModelo, AtivacaoTravadaNaoEscolheSozinhaEReconstroiOMenu) {
    config.habilitadas = {true, false, false};
    Roteiro("expect screen FrmSub_Teste\nclick btCancela\nexpect screen FrmTeste_Mnu\nwait 50\nclick spEncerra\n");
    int r = 0;
    auto& menu = Mostra<TFrmTeste_Mnu>(r);
    EXPECT_EQ(r, forms::mrCancel);
    EXPECT_EQ(menu.abertas, std::vector<int>{1});  // not opened again on returning
    EXPECT_GE(menu.construcoes, 2);                 // rebuilt when it became active again
    EXPECT_EQ(Quantas("FosdalGravaArquivo"), 0);    // the cancelled option had a caller
}

TEST_F(MenuModelo, VoltaDaOpcaoCanceladaReabilitaPelasTabelas) {
    config.habilitadas = {true, true, false};
    Roteiro("type 2\nexpect screen FrmSub_Teste\nclick btCancela\nclick spEncerra\n");
    int r = 0;
    auto& menu = Mostra<TFrmTeste_Mnu>(r);
    EXPECT_EQ(r, forms::mrCancel);
    EXPECT_TRUE(menu.spOpcao1->Enabled());
    EXPECT_TRUE(menu.spOpcao2->Enabled());
    EXPECT_FALSE(menu.spOpcao3->Enabled());
    EXPECT_TRUE(menu.spEncerra->Enabled());
}

TEST_F(MenuModelo, ContagemTerminaQuandoEncerraNaoTemTabStop) {
    config.encerraComTabStop = false;
    config.habilitadas = {false, true, false};
    Roteiro("expect screen FrmSub_Teste\nclick btOk\n");
    int r = 0;
    auto& um = Mostra<TFrmTeste_Mnu>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(um.abertas, std::vector<int>{2});
    Libera();

    config.habilitadas = {true, true, false};
    Roteiro("wait 50\nexpect focus spOpcao1\nclick spEncerra\n");
    auto& dois = Mostra<TFrmTeste_Mnu>(r);
    EXPECT_EQ(r, forms::mrCancel);
    EXPECT_TRUE(dois.abertas.empty());
}

TEST_F(MenuModelo, HabilitaDesabilitaTravaEDestrava) {
    auto& menu = Cria<TFrmTeste_Mnu>();
    menu.IniciaFormularioMenu();
    menu.VerificaOpcoesHabilitadas();
    forms::Application::Instance().PostKey('1');
    menu.HabilitaDesabilitaBotoes(false);
    EXPECT_TRUE(forms::Application::Instance().QueueEmpty());
    for (auto* sp : menu.Opcoes()) EXPECT_FALSE(sp->Enabled());
    EXPECT_FALSE(menu.spEncerra->Enabled());
    EXPECT_EQ(menu.lbMensagem->Caption(), CatalogoCp1252(zv::MSG_AGUARDE));
    menu.VerificaSomente1Opcao();  // locked: no automatic choice
    EXPECT_FALSE(menu.TClique->Enabled());

    menu.HabilitaDesabilitaBotoes(true);
    EXPECT_TRUE(menu.spOpcao1->Enabled());
    EXPECT_TRUE(menu.spEncerra->Enabled());
    EXPECT_EQ(menu.lbMensagem->Caption(), CatalogoCp1252(zv::MSG_ESCOLHA_OPCAO));
}

TEST_F(MenuModelo, DesenhoDoModelo) {
    auto& menu = Cria<TFrmTeste_Mnu>();
    EXPECT_EQ(menu.spOpcao5->Caption(), "&5  - Op\xE7\xE3o 5");
    EXPECT_EQ(menu.spOpcao8->Top(), 197);
    EXPECT_EQ(menu.spEncerra->Top(), 225);
    EXPECT_EQ(menu.TClique->Interval(), 10);
    EXPECT_FALSE(menu.TClique->Enabled());
    for (auto* sp : menu.Opcoes()) EXPECT_FALSE(sp->Visible());
}

}  // namespace
}  // namespace zvtest
