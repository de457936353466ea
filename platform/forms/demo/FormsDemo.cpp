// A small form on the terminal, to see the form model at work.
//
// Usage: forms_demo [--script OPERATOR.txt]
//   Tab and Enter move between the boxes, "1" (on a button) or Enter on
//   "1 - Confirma" shows what was typed, "9" or Esc closes. With --script
//   the operator script is played visibly instead.
#include <cstring>
#include <iostream>
#include <memory>

#include "forms/Application.h"
#include "cp1252/Cp1252.h"
#include "forms/Edit.h"
#include "forms/GlyphButton.h"
#include "forms/Label.h"
#include "forms/MaskEdit.h"
#include "forms/Panel.h"
#include "forms/backends/TerminalBackend.h"

namespace {

using namespace forms;

class DemoForm : public Form {
public:
    DemoForm() : Form("FrmDemo") {
        SetCaption("Demonstra\xE7\xE3o");
        SetSize(622, 422);
        SetKeyPreview(true);
        Place(Add<Label>("lbTitulo"), 40, 6, 361, 22, "FORMUL\xC1RIO DE DEMONSTRA\xC7\xC3O");
        auto& panel = Add<Panel>("pnCaptura");
        panel.SetBounds(24, 106, 580, 210);
        Place(Add<Label>("lbNome", &panel), 20, 20, 150, 20, "Nome:");
        edNome_ = &Add<Edit>("edNome", &panel);
        Place(*edNome_, 180, 20, 300, 24, "");
        edNome_->SetMaxLength(20);
        Place(Add<Label>("lbData", &panel), 20, 80, 150, 20, "Data:");
        edData_ = &Add<MaskEdit>("edData", &panel);
        Place(*edData_, 180, 80, 120, 24, "");
        edData_->SetEditMask("99/99/9999;1;_");
        lbMensagem_ = &Add<Label>("lbMensagem");
        Place(*lbMensagem_, 15, 390, 407, 19, "");
        auto& botoes = Add<Panel>("pnBotoes");
        botoes.SetBounds(111, 330, 400, 40);
        auto& confirma = Add<GlyphButton>("btConfirma", &botoes);
        Place(confirma, 10, 8, 180, 25, "&1 - Confirma");
        auto& sai = Add<GlyphButton>("btSai", &botoes);
        Place(sai, 210, 8, 180, 25, "&9 - Sai");
        sai.SetCancel(true);
        Place(Add<Label>("lbVersao"), 192, 53, 407, 22, "Modelo de formul\xE1rios");

        edNome_->OnEnter = [this](Control&) { lbMensagem_->SetCaption("Digite o nome (at\xE9 20 letras)"); };
        edData_->OnEnter = [this](Control&) { lbMensagem_->SetCaption("Digite a data"); };
        confirma.OnEnter = [this](Control&) { lbMensagem_->SetCaption("Enter confirma"); };
        // Enter in a box moves on, as on the package's screens.
        OnKeyPress = [this](Form&, char& key) {
            if (key == VK_RETURN && !(ActiveControl() && KindOf(*ActiveControl()) == ControlKind::Button)) {
                SelectNext(true, true);
                key = 0;
            }
        };
        confirma.OnClick = [this](Control&) {
            Application::Instance().MessageBox("Nome: " + edNome_->Text() + "\r\nData: " + edData_->Text(),
                                               "Demonstra\xE7\xE3o", MB_OK | MB_ICONINFORMATION);
        };
        sai.OnClick = [this](Control&) { SetModalResult(mrCancel); };
        OnShow = [this](Form&) { SelectFirst(); };
    }

private:
    static void Place(Control& c, int left, int top, int width, int height, const std::string& caption) {
        c.SetBounds(left, top, width, height);
        c.SetCaption(caption);
    }
    Edit* edNome_;
    MaskEdit* edData_;
    Label* lbMensagem_;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<ScriptAction> script;
    bool scripted = false;
    try {
        if (argc == 3 && std::strcmp(argv[1], "--script") == 0) {
            script = LoadOperatorScript(argv[2]);
            scripted = true;
        } else if (argc != 1) {
            std::cerr << "usage: forms_demo [--script OPERATOR.txt]\n";
            return 2;
        }
    } catch (const ScriptError& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }
    int status = 0;
    std::string failure;
    try {
        auto backend = scripted ? std::make_unique<TerminalBackend>(std::move(script), 400)
                                : std::make_unique<TerminalBackend>();
        Application& app = Application::Instance();
        app.SetBackend(backend.get());
        DemoForm* form = app.Create<DemoForm>();
        try {
            form->ShowModal();
        } catch (const OperatorAbort& a) {
            status = a.ExitCode();
            failure = a.what();
        }
        app.Destroy(form);
        app.SetBackend(nullptr);
    } catch (const std::exception& e) {
        status = 1;
        failure = e.what();
    }
    if (!failure.empty()) std::cerr << failure << "\n";
    return status;
}
