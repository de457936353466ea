// The form runner: creation through the registry, the modal run, what a
// closed screen does to its caller or to the client's result file.
#include <stdexcept>

#include "PacoteCarregado.h"
#include "TelasTeste.h"

namespace zvtest {
namespace {

constexpr char kTela[] = "FrmTeste";
constexpr char kSub[] = "FrmSubTeste";
constexpr char kMenu[] = "FrmMenuTeste";

class FormRunner : public PacoteCarregado {
protected:
    void SetUp() override {
        PacoteCarregado::SetUp();
        LimpaTelas();
        RegistraTelaTeste<kTela>("TFrmTeste");
        RegistraTelaTeste<kSub>("TFrmSubTeste");
        RegistraTelaTeste<kMenu>("TFrmMenuTeste");
    }
    void TearDown() override {
        LimpaTelas();
        PacoteCarregado::TearDown();
    }
    static size_t ArquivosGravados() { return Chamadas("FosdalGravaArquivo").size(); }
};

TEST_F(FormRunner, ClassNotRegisteredCreatesNothing) {
    forms::Form* tela = nullptr;
    EXPECT_FALSE(zv::CriaExecutaForm("TFrmNaoExiste", nullptr, tela));
    EXPECT_EQ(tela, nullptr);
    EXPECT_TRUE(TelasVistas().empty());
    EXPECT_EQ(ArquivosGravados(), 0u);
}

TEST_F(FormRunner, ScreenWhoseConstructionFailsCountsAsNotCreated) {
    zv::RegistraClasseTela("TFrmFalha", []() -> forms::Form* { throw std::runtime_error("sem recursos"); });
    forms::Form* tela = nullptr;
    EXPECT_FALSE(zv::CriaExecutaForm("TFrmFalha", nullptr, tela));
    EXPECT_EQ(tela, nullptr);

    // Through an entry point it becomes message 802; nothing escapes to the client.
    zv::RegistraClasseTela("TFrmPag_Trn", []() -> forms::Form* { throw std::runtime_error("sem recursos"); });
    NovoOperador("answer ok\n");
    ExecutaGenerico(1, 12);
    EXPECT_EQ(LinhasCaixa().size(), 1u);
}

TEST_F(FormRunner, TopLevelScreenCancelledWritesTheResultFileOnce) {
    forms::Form* tela = nullptr;
    Comportamento().resultado = forms::mrCancel;
    ASSERT_TRUE(zv::CriaExecutaForm("TFrmTeste", nullptr, tela));
    EXPECT_EQ(tela, nullptr) << "the variable is emptied once the screen is freed";
    ASSERT_EQ(TelasVistas().size(), 1u);
    EXPECT_EQ(TelasVistas()[0].nome, "FrmTeste");
    EXPECT_EQ(ArquivosGravados(), 1u);
    EXPECT_TRUE(forms::Application::Instance().ModalStack().empty());
}

TEST_F(FormRunner, TopLevelScreenEndedWithOkWritesNoResultFile) {
    forms::Form* tela = nullptr;
    Comportamento().resultado = forms::mrOk;
    ASSERT_TRUE(zv::CriaExecutaForm("TFrmTeste", nullptr, tela));
    EXPECT_EQ(tela, nullptr);
    EXPECT_EQ(ArquivosGravados(), 0u);
}

TEST_F(FormRunner, ScreenAlreadyInItsVariableIsShownWithoutCreatingAnother) {
    forms::Form* tela = forms::Application::Instance().Create<TelaTeste>("FrmJaCriada");
    Comportamento().resultado = forms::mrOk;
    ASSERT_TRUE(zv::CriaExecutaForm("TFrmTeste", nullptr, tela));
    ASSERT_EQ(TelasVistas().size(), 1u);
    EXPECT_EQ(TelasVistas()[0].nome, "FrmJaCriada");
    EXPECT_EQ(tela, nullptr);
}

// A menu (the caller) opens a sub-screen from its own show handler, as menus
// do from an option; what the caller looks like afterwards is recorded.
struct DepoisDaSubTela {
    int resultadoChamador = -1;
    bool chamadorAtivo = false;
    size_t arquivosGravados = 0;
};

DepoisDaSubTela AbreSubTela(int resultadoSub) {
    static forms::Form* menu = nullptr;
    static forms::Form* sub = nullptr;
    DepoisDaSubTela depois;
    Comportamento().aoMostrar = [&](forms::Form& f) {
        if (f.Name() != kMenu) {
            f.SetModalResult(resultadoSub);
            return;
        }
        EXPECT_TRUE(zv::CriaExecutaForm("TFrmSubTeste", &f, sub));
        depois.resultadoChamador = f.ModalResult();
        depois.chamadorAtivo = forms::Application::Instance().ActiveForm() == &f;
        depois.arquivosGravados = Cliente().Calls("FosdalGravaArquivo").size();
        // The caller ends itself afterwards, as the operator would close the menu.
        if (f.ModalResult() == forms::mrNone) f.SetModalResult(forms::mrCancel);
    };
    EXPECT_TRUE(zv::CriaExecutaForm("TFrmMenuTeste", nullptr, menu));
    EXPECT_EQ(menu, nullptr);
    EXPECT_EQ(sub, nullptr);
    return depois;
}

TEST_F(FormRunner, SubScreenEndedWithOkClosesItsCaller) {
    const DepoisDaSubTela depois = AbreSubTela(forms::mrOk);
    EXPECT_EQ(depois.resultadoChamador, forms::mrOk);
    EXPECT_EQ(depois.arquivosGravados, 0u);
    EXPECT_EQ(ArquivosGravados(), 0u) << "the menu closed with OK through its sub-screen";
}

TEST_F(FormRunner, SubScreenCancelledLeavesItsCallerOpenAndActive) {
    const DepoisDaSubTela depois = AbreSubTela(forms::mrCancel);
    EXPECT_EQ(depois.resultadoChamador, forms::mrNone);
    EXPECT_TRUE(depois.chamadorAtivo);
    EXPECT_EQ(depois.arquivosGravados, 0u) << "a sub-screen never writes the result file";
    EXPECT_EQ(ArquivosGravados(), 1u) << "the menu itself was then cancelled at top level";
}

}  // namespace
}  // namespace zvtest
