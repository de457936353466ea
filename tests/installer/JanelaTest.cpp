// The attended window and its folder dialog, driven by an operator script.
#include <gtest/gtest.h>

#include "Dobles.h"
#include "Main.h"
#include "SelecionaPasta.h"
#include "Textos.h"
#include "forms/Application.h"
#include "forms/backends/HeadlessBackend.h"

using namespace instala;
using namespace instala::teste;

namespace {

class Janela : public ::testing::Test {
protected:
    void SetUp() override {
        app().Reset();
        sistema.Poe("C:\\Instalador\\Setup.ini",
                    "[Startup]\r\nPackageName=ClienteModular.msi\r\nProduct=P\r\nProductCode={ABC}\r\n");
        sistema.Poe("C:\\Instalador\\ClienteModular.msi", "msi");
        sistema.Poe("C:\\Client\\Cliente.ini", "[ClientVorix]\r\nEmpresa=AB12CD34\r\n");
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
