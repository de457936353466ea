#include "screens/MenuModeloZentravela.h"

#include <set>

#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv::MenuModeloZentravela {
bool ImprimeCupom = false;
forms::Form* FrmMnu_Mod = nullptr;
}  // namespace zv::MenuModeloZentravela

namespace zv {

namespace {

constexpr forms::Color COR_PAINEL = 14671839;
constexpr int ALTURA_OPCAO = 28;

}  // namespace

TFrmMnu_Mod::TFrmMnu_Mod(std::string name) : TFrmMod(std::move(name)) {
    pnMenu = &Add<forms::Panel>("pnMenu");
    pnMenu->SetBounds(30, 113, 142, 253);
    pnMenu->SetBevelInner(forms::Bevel::Lowered);
    pnMenu->SetColor(COR_PAINEL);
    pnMenu->SetTabOrder(1);

    forms::GlyphButton** opcoes[MAX_OPCOES] = {&spOpcao1, &spOpcao2, &spOpcao3, &spOpcao4,
                                               &spOpcao5, &spOpcao6, &spOpcao7, &spOpcao8};
    for (int i = 0; i < MAX_OPCOES; ++i) {
        const std::string numero = std::to_string(i + 1);
        auto& sp = Add<forms::GlyphButton>("spOpcao" + numero, pnMenu);
        sp.SetBounds(1, 1 + i * ALTURA_OPCAO, 140, ALTURA_OPCAO);
        sp.SetTabStop(true);
        sp.SetTabOrder(i);
        sp.Hide();
        sp.SetCaption("&" + numero + (i == 4 ? "  - Op\xE7\xE3o " : " - Op\xE7\xE3o ") + numero);
        *opcoes[i] = &sp;
    }

    TClique = &AddTimer("TClique");
    TClique->SetInterval(10);
    TClique->SetEnabled(false);
    TClique->OnTimer = [this](forms::Timer& s) { TCliqueTimer(s); };

    spEncerra = &Add<forms::GlyphButton>("spEncerra", pnMenu);
    spEncerra->SetBounds(1, 225, 140, ALTURA_OPCAO);
    spEncerra->SetTabStop(true);
    spEncerra->SetTabOrder(8);
    spEncerra->Hide();
    spEncerra->SetCaption("&9 - Encerra");
    spEncerra->OnClick = [this](forms::Control& s) { spEncerraClick(s); };

    OnActivate = [this](forms::Form& s) { FormActivate(s); };
}

std::array<forms::GlyphButton*, TFrmMnu_Mod::MAX_OPCOES> TFrmMnu_Mod::Opcoes() const {
    return {spOpcao1, spOpcao2, spOpcao3, spOpcao4, spOpcao5, spOpcao6, spOpcao7, spOpcao8};
}

void TFrmMnu_Mod::FormShow(forms::Form& sender) {
    TFrmMod::FormShow(sender);
    lbMensagem->SetVisible(true);
    lbMensagem->SetCaption(host::Mensagem(MSG_ESCOLHA_OPCAO));
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
        SetTag(contagem);
        TClique->SetEnabled(true);
    } else {
        SelectFirst();
    }
}

void TFrmMnu_Mod::TCliqueTimer(forms::Timer&) {
    TClique->SetEnabled(false);
    SelectFirst();
    if (Tag() == 0) {
        SetModalResult(forms::mrOk);
        host::EnviaErroPDV(MSG_MENU_SEM_OPCAO);
    } else if (Tag() == 1) {
        if (forms::Control* escolhida = ActiveControl()) DispatchClick(*escolhida);
    }
}

void TFrmMnu_Mod::HabilitaDesabilitaBotoes(bool Habilita) {
    auto& app = forms::Application::Instance();
    if (!Habilita) {
        MenuModeloZentravela::EmptyKeyQueue();
        lbMensagem->SetCaption(host::Mensagem(MSG_AGUARDE));
        app.ProcessMessages();
        for (forms::GlyphButton* sp : Opcoes()) sp->SetEnabled(false);
    } else {
        VerificaOpcoesHabilitadas();
        lbMensagem->SetCaption(host::Mensagem(MSG_ESCOLHA_OPCAO));
        app.ProcessMessages();
    }
    spEncerra->SetEnabled(Habilita);
    SelectFirst();
}

void TFrmMnu_Mod::spEncerraClick(forms::Control&) { SetModalResult(forms::mrCancel); }

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
