#include "Main.h"

#include "OperadorSemTerminal.h"
#include "Textos.h"
#include "forms/Application.h"
#include "forms/backends/ScreenBackend.h"

namespace instala {

TFrmPrincipal* FrmPrincipal = nullptr;

namespace {

constexpr forms::Color kTeal = 0x00808000;
constexpr forms::Color kBranco = 0x00FFFFFF;

forms::GlyphButton& Botao(forms::Form& f, const char* nome, const char* legenda, int esquerda, int ordem) {
    auto& b = f.Add<forms::GlyphButton>(nome);
    b.SetCaption(legenda);
    b.SetBounds(esquerda, 160, 150, 41);
    b.SetTabStop(true);
    b.SetTabOrder(ordem);
    return b;
}

}  // namespace

TFrmPrincipal::TFrmPrincipal(zvsys::System& sistema, std::vector<std::string> argumentos)
    : forms::Form("FrmPrincipal"), instalador_(sistema, *this), argumentos_(std::move(argumentos)) {
    SetSize(531, 233);
    SetColor(kTeal);
    SetCaption(textos::Latin(textos::kTitulo));

    lbTitulo = &Add<forms::Label>("lbTitulo");
    lbTitulo->SetCaption(textos::Latin(textos::kTitulo));
    lbTitulo->SetBounds(0, 16, 531, 24);
    lbTitulo->SetAlignment(forms::Alignment::Center);
    lbTitulo->GetFont().bold = true;
    lbTitulo->GetFont().italic = true;
    lbTitulo->GetFont().color = kBranco;

    lbMensagem = &Add<forms::Label>("lbMensagem");
    lbMensagem->SetCaption(textos::Latin(textos::kMensagemInicial));
    lbMensagem->SetBounds(0, 80, 531, 40);
    lbMensagem->SetAlignment(forms::Alignment::Center);
    lbMensagem->SetWordWrap(true);
    lbMensagem->GetFont().bold = true;
    lbMensagem->GetFont().color = kBranco;

    btInstala = &Botao(*this, "btInstala", "&1 - Instala", 100, 0);
    btInstala->SetDefault(true);
    btCancela = &Botao(*this, "btCancela", "&2 - Cancela", 280, 1);
    btOK = &Botao(*this, "btOK", "&1 - OK", 190, 2);
    btOK->SetDefault(true);
    btOK->Hide();
    btEncerra = &Botao(*this, "btEncerra", "&1 - Encerra", 190, 3);
    btEncerra->SetCancel(true);
    btEncerra->Hide();

    btInstala->OnClick = [this](forms::Control& s) { btInstalaClick(s); };
    btCancela->OnClick = [this](forms::Control& s) { btCancelaClick(s); };
    btOK->OnClick = [this](forms::Control& s) { btOKClick(s); };
    btEncerra->OnClick = [this](forms::Control& s) { btEncerraClick(s); };
}

bool TFrmPrincipal::FormCreate() { return instalador_.FormCreate(argumentos_); }

void TFrmPrincipal::btInstalaClick(forms::Control&) {
    instalador_.btInstalaClick();
    // An error that ends the installer closes the window.
    if (instalador_.Resultado() == Desfecho::PedidoFinalizacaoFalhou) Close();
}

void TFrmPrincipal::btCancelaClick(forms::Control&) {
    instalador_.btCancelaClick();
    Close();
}

void TFrmPrincipal::btOKClick(forms::Control&) { SetModalResult(forms::mrOk); }

void TFrmPrincipal::btEncerraClick(forms::Control&) { SetModalResult(forms::mrOk); }

int TFrmPrincipal::MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    return forms::Application::Instance().MessageBox(text, caption, flags);
}

void TFrmPrincipal::MostraMensagem(const std::string& text) { lbMensagem->SetCaption(text); }

void TFrmPrincipal::ProcessaMensagens() { forms::Application::Instance().ProcessMessages(); }

void TFrmPrincipal::DefineEstado(EstadoJanela estado) {
    const bool aguardando = estado == EstadoJanela::Aguardando;
    const bool terminou = estado == EstadoJanela::Sucesso || estado == EstadoJanela::SucessoSemOK ||
                          estado == EstadoJanela::Falha;
    btInstala->SetEnabled(aguardando);
    btCancela->SetEnabled(aguardando);
    btInstala->SetVisible(!terminou);
    btCancela->SetVisible(!terminou);
    btOK->SetVisible(estado == EstadoJanela::Sucesso);
    btEncerra->SetVisible(estado == EstadoJanela::Falha);
    if (btOK->Visible()) btOK->SetFocus();
    if (btEncerra->Visible()) btEncerra->SetFocus();
}

void TFrmPrincipal::TrazParaFrente() {
    if (auto* backend = forms::Application::Instance().GetBackend()) backend->Repaint(forms::Application::Instance());
}

int ExecutaJanela(zvsys::System& sistema, const std::vector<std::string>& argumentos) {
    int status = 0;
    std::vector<std::string> registro;
    std::string resumo;
    {
        const std::unique_ptr<forms::Backend> tela = forms::MakeScreenBackend();
        forms::Application& app = forms::Application::Instance();
        app.SetBackend(tela.get());
        auto* janela = app.Create<TFrmPrincipal>(sistema, argumentos);
        FrmPrincipal = janela;
        if (janela->FormCreate()) {
            janela->ShowModal();
            const Desfecho d = janela->Instalacao().Resultado();
            status = CodigoSaida(d == Desfecho::EmAndamento ? Desfecho::Cancelada : d);
        } else {
            status = CodigoSaida(janela->Instalacao().Resultado());
        }
        registro = janela->Registro();
        resumo = janela->Instalacao().Resumo();
        app.Destroy(janela);
        FrmPrincipal = nullptr;
        app.SetBackend(nullptr);
    }
    // The screen is the shell's again: the log can be read there.
    OperadorSemTerminal saida;
    for (const auto& linha : registro) saida.Registra(linha);
    saida.Registra(resumo);
    return status;
}

}  // namespace instala
