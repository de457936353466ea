// The attended window and its folder dialog, driven by an operator script.
#include <gtest/gtest.h>

#include "Dobles.h"
#include "Main.h"
#include "SelecionaPasta.h"
#include "Textos.h"
#include "forms/Application.h"
#include "forms/backends/CellPainter.h"
#include "forms/backends/HeadlessBackend.h"

using namespace instala;
using namespace instalatest;

namespace {

class Janela : public ::testing::Test {
protected:
    void SetUp() override {
        app().Reset();
        sistema.Poe("C:\\Instalador\\Setup.ini",
                    "[Startup]\r\nPackageName=ClienteModular.msi\r\nProduct=P\r\nProductCode={ABC}\r\n");
        sistema.Poe("C:\\Instalador\\ClienteModular.msi", "msi");
        sistema.Poe("C:\\Client\\Cliente.ini", "[ClientVorix]\r\nEmpresa=AB12CD34\r\n");
        // The machine's Windows folder, where the package step is locked.
        std::filesystem::create_directories(sistema.Map().ToLocal("C:\\Windows"));
        sistema.programas["wmic"] = [](const std::string&) {};
        sistema.programas["msiexec.exe"] = [this](const std::string&) {
            sistema.Poe("C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=1\r\n");
        };
    }
    void TearDown() override {
        app().SetBackend(nullptr);
        app().Reset();
    }
    static forms::Application& app() { return forms::Application::Instance(); }
    // Runs the window under a script; the installation's outcome.
    Desfecho Executa(const std::string& roteiro, TFrmPrincipal** janelaVista = nullptr) {
        forms::HeadlessBackend operador(forms::ParseOperatorScript(roteiro, "janela.txt"));
        app().SetBackend(&operador);
        auto* janela = app().Create<TFrmPrincipal>(sistema, std::vector<std::string>{});
        EXPECT_TRUE(janela->FormCreate());
        janela->ShowModal();
        if (janelaVista) *janelaVista = janela;
        const Desfecho d = janela->Instalacao().Resultado();
        app().Destroy(janela);
        app().SetBackend(nullptr);
        EXPECT_TRUE(operador.ScriptDone()) << "the window closed before the script ended";
        return d;
    }

    PastaTemporaria raiz;
    SistemaTeste sistema{raiz.Caminho()};
};

TEST_F(Janela, KeyTwoCancelsWithoutTouchingAnything) {
    EXPECT_EQ(Executa("expect focus btInstala\ntype 2\n"), Desfecho::Cancelada);
    EXPECT_TRUE(sistema.linhasIniciadas.empty());
}

TEST_F(Janela, KeyOneInstallsAndEnterOnOkCloses) {
    const std::string roteiro =
        "type 1\n"
        "answer yes\n"  // backup of C:\Client
        "expect text lbMensagem Instalação Finalizada com Sucesso!!\n"
        "expect focus btOK\n"
        "expect disabled btInstala\n"
        "key Enter\n";
    EXPECT_EQ(Executa(roteiro), Desfecho::Concluida);
    ASSERT_EQ(sistema.linhasIniciadas.size(), 2u);  // wmic, then msiexec
    EXPECT_EQ(sistema.linhasIniciadas[1].rfind("msiexec.exe /I", 0), 0u);
}

TEST_F(Janela, FailedInstallationLeavesOnlyTheClosingButton) {
    sistema.programas["msiexec.exe"] = [this](const std::string&) {
        sistema.Poe("C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=0\r\n");
    };
    const std::string roteiro =
        "key Enter\n"   // the default button installs
        "answer no\n"   // no backup
        "answer ok\n"   // the box that says the package did not confirm the installation
        "expect text lbMensagem A Instalação não foi Concluída\n"
        "expect enabled btEncerra\n"
        "key Esc\n";    // the closing button is the cancel button
    EXPECT_EQ(Executa(roteiro), Desfecho::NaoConcluida);
}

TEST_F(Janela, FolderDialogGivesTheTypedFolderOrNothing) {
    auto escolhe = [](const std::string& roteiro) {
        forms::HeadlessBackend operador(forms::ParseOperatorScript(roteiro, "pasta.txt"));
        app().SetBackend(&operador);
        auto pasta = SelecionaPasta("Client Vorix Modular", "C:");
        app().SetBackend(nullptr);
        return pasta;
    };
    EXPECT_EQ(escolhe("expect text edPasta C:\\\ntype Loja\nkey Enter\n"), std::optional<std::string>("C:\\Loja"));
    EXPECT_EQ(escolhe("type Loja\nkey Esc\n"), std::nullopt);
    EXPECT_EQ(escolhe("key Backspace\nkey Backspace\nkey Backspace\nclick btOK\n"), std::nullopt);
}

}  // namespace

namespace {

// The bottom line of the terminal, for a form as it waits.
std::string LinhaDeTeclas(forms::Form& f) {
    forms::CellCanvas tela(80, 24);
    forms::Application::Instance().PushModal(f);
    forms::PaintCells(forms::Application::Instance(), nullptr, tela);
    forms::Application::Instance().PopModal(f);
    return tela.RowText(tela.Rows() - 1);
}

// In the folder dialog the box takes the digits and Enter confirms; on the
// main window the digits press the buttons and Esc does nothing.
TEST_F(Janela, KeyLinesSayWhatTheKeysDoInTheWindowAndTheFolderDialog) {
    TFrmSelecionaPasta dialogo("Client Vorix Modular", "C:");
    dialogo.SetActiveControl(dialogo.edPasta);
    const std::string pasta = LinhaDeTeclas(dialogo);
    for (const char* dito : {"Enter 1 - OK", "Esc 2 - Cancela", "Backspace apaga"})
        EXPECT_NE(pasta.find(dito), std::string::npos) << dito << " in " << pasta;
    for (const char* nao : {"pr\xF3ximo", "aciona bot"}) EXPECT_EQ(pasta.find(nao), std::string::npos) << nao << " in " << pasta;

    TFrmPrincipal janela(sistema, {});
    janela.SetActiveControl(janela.btInstala);
    const std::string principal = LinhaDeTeclas(janela);
    for (const char* dito : {"1 2 aciona bot\xE3o", "Enter aciona"})
        EXPECT_NE(principal.find(dito), std::string::npos) << dito << " in " << principal;
    EXPECT_EQ(principal.find("Esc"), std::string::npos) << principal;
}

}  // namespace
