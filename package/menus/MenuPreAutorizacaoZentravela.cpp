#include "menus/MenuPreAutorizacaoZentravela.h"

#include "common/ZentravelaMain.h"
#include "host/Catalogo.h"
#include "host/Lumar.h"
#include "menus/MenuCreditoZentravela.h"

namespace zv {

using namespace MenuCreditoZentravela;

TFrmPreAut_Mnu::TFrmPreAut_Mnu(std::string name) : TFrmMnu_Mod(std::move(name)) {
    SetCaption(Name());
    DeclaraOpcoes(191, 190, {{"&1 - Captura \xC0 Vista",        [this](forms::Control& s) { spOpcao1Click(s); }},
                             {"&2 - Captura Parcelada Adm",  [this](forms::Control& s) { spOpcao2Click(s); }},
                             {"&3 - Captura Parcelada Loja", [this](forms::Control& s) { spOpcao3Click(s); }},
                             {"&4 - Consulta Parcelas",      [this](forms::Control& s) { spOpcao4Click(s); }}});
}

void TFrmPreAut_Mnu::IniciaFormularioMenu() {
    MontaOpcoes(MSG_TITULO_MENU_PRE_AUT,
                {MSG_OPCAO_A_VISTA, MSG_OPCAO_PARC_ADM, MSG_OPCAO_PARC_ESTAB, MSG_OPCAO_CONSULTA_PARCELAS});
}

void TFrmPreAut_Mnu::VerificaOpcoesHabilitadas() {
    const int32_t n = ParcelasSolicitadas();
    // The pre-authorisation kind first, then what the credit menu asks.
    spOpcao1->SetEnabled(TRN_PCAPV && OpcaoCreditoHabilitada(1, n));
    spOpcao2->SetEnabled(TRN_PCAPPA && OpcaoCreditoHabilitada(2, n));
    spOpcao3->SetEnabled(TRN_PCAPPL && OpcaoCreditoHabilitada(3, n));
    spOpcao4->SetEnabled(OpcaoCreditoHabilitada(4, n));
}

// The entry point created this menu into FrmCred_Mnu, so that is the caller
// its screens close on OK.
void TFrmPreAut_Mnu::spOpcao1Click(forms::Control&) { ExecutaOpcaoCredito(*this, 1); }

void TFrmPreAut_Mnu::spOpcao2Click(forms::Control&) { ExecutaOpcaoCredito(*this, 2); }

void TFrmPreAut_Mnu::spOpcao3Click(forms::Control&) { ExecutaOpcaoCredito(*this, 3); }

void TFrmPreAut_Mnu::spOpcao4Click(forms::Control&) { ExecutaOpcaoCredito(*this, 4); }

}  // namespace zv

namespace zv::MenuPreAutorizacaoZentravela {

forms::Form* FrmPreAut_Mnu = nullptr;

void Initialization() {
    FrmPreAut_Mnu = nullptr;
    RegistraTela<TFrmPreAut_Mnu>("TFrmPreAut_Mnu");
}

void Finalization() {
    RemoveClasseTela("TFrmPreAut_Mnu");
    FrmPreAut_Mnu = nullptr;
}

}  // namespace zv::MenuPreAutorizacaoZentravela
