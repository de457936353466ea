#include "screens/MenuModeloZentravela.h"

#include <set>

#include "common/Conversoes.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/LayoutTela.h"

namespace zv::MenuModeloZentravela {
bool ImprimeCupom = false;
forms::Form* FrmMnu_Mod = nullptr;
}  // namespace zv::MenuModeloZentravela

namespace zv {

namespace {

constexpr int ALTURA_OPCAO = 28;

}  // namespace

TFrmMnu_Mod::TFrmMnu_Mod(std::string name) : TFrmMod(std::move(name)) {
    using namespace layout;
    pnMenu = &Painel(*this, nullptr, "pnMenu", {30, 113, LARGURA_PAINEL, 253},
                     {.ordemTab = 1, .bevel = forms::Bevel::Lowered});
    forms::GlyphButton** opcoes[MAX_OPCOES] = {&spOpcao1, &spOpcao2, &spOpcao3, &spOpcao4,
                                               &spOpcao5, &spOpcao6, &spOpcao7, &spOpcao8};
    for (int i = 0; i < MAX_OPCOES; ++i) {
        const std::string n = std::to_string(i + 1);
        const std::string legenda = "&" + n + (i == 4 ? "  - Op\xE7\xE3o " : " - Op\xE7\xE3o ") + n;
        *opcoes[i] = &Botao(*this, pnMenu, ("spOpcao" + n).c_str(), {1, 1 + i * ALTURA_OPCAO, LARGURA_OPCAO,
                            ALTURA_OPCAO}, legenda.c_str(), {.ordemTab = i, .visivel = false});
    }
    TClique   = &Temporizador(*this, "TClique", 10);
    spEncerra = &Botao(*this, pnMenu, "spEncerra", {1, 225, LARGURA_OPCAO, ALTURA_OPCAO}, "&9 - Encerra",
                       {.ordemTab = 8, .visivel = false});

    TClique->OnTimer = [this](forms::Timer& s) { TCliqueTimer(s); };
    spEncerra->OnClick = [this](forms::Control& s) { spEncerraClick(s); };
    OnActivate = [this](forms::Form& s) { FormActivate(s); };
}

std::array<forms::GlyphButton*, TFrmMnu_Mod::MAX_OPCOES> TFrmMnu_Mod::Opcoes() const {
    return {spOpcao1, spOpcao2, spOpcao3, spOpcao4, spOpcao5, spOpcao6, spOpcao7, spOpcao8};
}

void TFrmMnu_Mod::FormShow(forms::Form& sender) {
    TFrmMod::FormShow(sender);
    MostraPrompt(MSG_ESCOLHA_OPCAO);
}

// Rebuilt on every activation, so a menu coming back from an option's screen
// reflects the host's tables as they are now.
void TFrmMnu_Mod::FormActivate(forms::Form&) {
    IniciaFormularioMenu();
    VerificaOpcoesHabilitadas();
    VerificaSomente1Opcao();
}

void TFrmMnu_Mod::VerificaSomente1Opcao() {
    if (!spEncerra->Enabled()) return;  // locked: an option's screen runs or just closed
    SelectFirst();
    // Walk the focus towards spEncerra; every control passed on the way is an
    // option that can be chosen. A close button without a tab stop is never
    // reached, so the walk also ends when it comes round to a control it saw.
    std::set<const forms::Control*> vistos;
    int contagem = 0;
    for (forms::Control* atual = ActiveControl(); atual != nullptr && atual != spEncerra;) {
        if (!vistos.insert(atual).second) break;
        ++contagem;
        SelectNext(true, true);
        if (ActiveControl() == atual) break;  // nothing else can take the focus
        atual = ActiveControl();
    }
    if (contagem == 0 || contagem == 1) {
        umaOpcao_ = contagem == 1;
        TClique->SetEnabled(true);
    } else {
        SelectFirst();
    }
}

void TFrmMnu_Mod::TCliqueTimer(forms::Timer&) {
    TClique->SetEnabled(false);
    SelectFirst();
    if (!umaOpcao_) {
        SetModalResult(forms::mrOk);
        host::EnviaErroPDV(MSG_MENU_SEM_OPCAO);
    } else if (forms::Control* escolhida = ActiveControl()) {
        DispatchClick(*escolhida);
    }
}

void TFrmMnu_Mod::HabilitaDesabilitaBotoes(bool Habilita) {
    auto& app = forms::Application::Instance();
    if (!Habilita) {
        MenuModeloZentravela::EmptyKeyQueue();
        MostraPrompt(MSG_AGUARDE);
        app.ProcessMessages();
        for (forms::GlyphButton* sp : Opcoes()) sp->SetEnabled(false);
    } else {
        VerificaOpcoesHabilitadas();
        MostraPrompt(MSG_ESCOLHA_OPCAO);
        app.ProcessMessages();
    }
    spEncerra->SetEnabled(Habilita);
    SelectFirst();
}

void TFrmMnu_Mod::spEncerraClick(forms::Control&) { SetModalResult(forms::mrCancel); }

// ---- What the concrete menus declare and run ------------------------------------

void TFrmMnu_Mod::DeclaraOpcoes(int larguraPainel, int larguraBotao, std::initializer_list<Opcao> opcoes) {
    layout::Coloca(*pnMenu, pnMenu->Left(), pnMenu->Top(), larguraPainel);
    for (forms::GlyphButton* sp : Opcoes()) layout::Coloca(*sp, sp->Left(), sp->Top(), larguraBotao);
    layout::Coloca(*spEncerra, spEncerra->Left(), spEncerra->Top(), larguraBotao);
    const auto botoes = Opcoes();
    size_t i = 0;
    for (const Opcao& opcao : opcoes) {
        botoes[i]->SetCaption(opcao.legenda);
        botoes[i++]->OnClick = opcao.clique;
    }
}

void TFrmMnu_Mod::MontaOpcoes(int32_t titulo, std::initializer_list<int32_t> mensagens) {
    lbTitulo->SetCaption(host::Mensagem(titulo));
    const auto opcoes = Opcoes();
    size_t i = 0;
    for (int32_t mensagem : mensagens) {
        opcoes[i]->SetCaption("&" + std::to_string(i + 1) + " - " + host::Mensagem(mensagem));
        opcoes[i]->SetVisible(true);
        ++i;
    }
    for (; i < opcoes.size(); ++i) opcoes[i]->SetVisible(false);
    spEncerra->SetCaption(host::Mensagem(MSG_ENCERRA));
    spEncerra->SetVisible(true);
}

void TFrmMnu_Mod::ExecutaOpcao(forms::Form* chamador, const std::string& classe, forms::Form*& tela,
                               const std::string& nomeForm, std::optional<bool> imprimeCupom) {
    HabilitaDesabilitaBotoes(false);
    if (imprimeCupom) MenuModeloZentravela::ImprimeCupom = *imprimeCupom;
    if (!CriaExecutaForm(classe, chamador, tela)) MostraFalhaCriacaoTela(nomeForm, forms::MB_TOPMOST);
    // An OK from the screen has closed the menu through the form runner.
    if (ModalResult() == forms::mrNone) HabilitaDesabilitaBotoes(true);
}

int32_t TFrmMnu_Mod::ParcelasSolicitadas() { return ConverteInteiro(host::LeCampo(CAMPO_NUMERO_PARCELAS), -1); }

bool TFrmMnu_Mod::PermiteAVista(int32_t parcelas) { return parcelas <= 1; }

bool TFrmMnu_Mod::PermiteParcelado(int32_t parcelas) { return parcelas > 1 || parcelas == -1; }

}  // namespace zv

namespace zv::MenuModeloZentravela {

void EmptyKeyQueue() { forms::Application::Instance().EmptyKeyQueue(); }

// The menu model is abstract: nothing to register.
void Initialization() {
    ImprimeCupom = false;
    FrmMnu_Mod = nullptr;
}

void Finalization() { Initialization(); }

}  // namespace zv::MenuModeloZentravela
