#include "SelecionaPasta.h"

#include "forms/Application.h"

namespace instala {

namespace {

std::string SemBrancos(const std::string& s) {
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string::npos) return "";
    return s.substr(inicio, s.find_last_not_of(' ') - inicio + 1);
}

}  // namespace

TFrmSelecionaPasta::TFrmSelecionaPasta(const std::string& titulo, const std::string& raiz)
    : forms::Form("FrmSelecionaPasta") {
    SetSize(531, 233);
    SetCaption(titulo);

    lbTitulo = &Add<forms::Label>("lbTitulo");
    lbTitulo->SetCaption(titulo);
    lbTitulo->SetBounds(0, 16, 531, 24);
    lbTitulo->SetAlignment(forms::Alignment::Center);

    edPasta = &Add<forms::Edit>("edPasta");
    edPasta->SetBounds(40, 80, 451, 24);
    edPasta->SetTabOrder(0);
    // The drive alone ("C:") reads as its root, where the operator goes on typing.
    edPasta->SetText(raiz.size() == 2 && raiz[1] == ':' ? raiz + "\\" : raiz);
    edPasta->SetAutoSelect(false);

    btOK = &Add<forms::GlyphButton>("btOK");
    btOK->SetCaption("&1 - OK");
    btOK->SetBounds(100, 160, 150, 41);
    btOK->SetTabOrder(1);
    btOK->SetDefault(true);
    btOK->OnClick = [this](forms::Control&) { SetModalResult(forms::mrOk); };

    btCancela = &Add<forms::GlyphButton>("btCancela");
    btCancela->SetCaption("&2 - Cancela");
    btCancela->SetBounds(280, 160, 150, 41);
    btCancela->SetTabOrder(2);
    btCancela->SetCancel(true);
    btCancela->OnClick = [this](forms::Control&) { SetModalResult(forms::mrCancel); };

    OnShow = [this](forms::Form&) {
        edPasta->SetFocus();
        edPasta->SetSelStart(static_cast<int>(edPasta->Text().size()));
    };
}

std::string TFrmSelecionaPasta::Pasta() const { return SemBrancos(edPasta->Text()); }

std::optional<std::string> SelecionaPasta(const std::string& titulo, const std::string& raiz) {
    forms::Application& app = forms::Application::Instance();
    auto* dialogo = app.Create<TFrmSelecionaPasta>(titulo, raiz);
    const int resultado = dialogo->ShowModal();
    const std::string pasta = dialogo->Pasta();
    app.Destroy(dialogo);
    if (resultado != forms::mrOk || pasta.empty()) return std::nullopt;
    return pasta;
}

}  // namespace instala
