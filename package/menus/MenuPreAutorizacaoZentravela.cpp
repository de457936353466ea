#include "menus/MenuPreAutorizacaoZentravela.h"

#include "common/ZentravelaMain.h"
#include "consult/ConsCreditoZentravela.h"
#include "credit/CreditoParcCprAdmZentravela.h"
#include "credit/CreditoParcEstZentravela.h"
#include "credit/CreditoVistaZentravela.h"
#include "host/Catalogo.h"
#include "host/Lumar.h"
#include "host/TransacoesHabilitadas.h"
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
    // The pre-authorisation kind first, then the table, then the instalments.
    spOpcao1->SetEnabled(TRN_PCAPV &&
                         TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_AVISTA,
                                               INTPOS_TRANSACAO_HABILITADA_CREDITO) != 0 &&
                         PermiteAVista(n));
    spOpcao2->SetEnabled(TRN_PCAPPA &&
                         TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_PARC_ADM,
                                               INTPOS_TRANSACAO_HABILITADA_CREDITO) != 0 &&
                         PermiteParcelado(n));
    spOpcao3->SetEnabled(TRN_PCAPPL &&
                         TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_PARC_LOJISTA,
                                               INTPOS_TRANSACAO_HABILITADA_CREDITO) != 0 &&
                         PermiteParcelado(n));
    spOpcao4->SetEnabled(TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_CONSULTA_PARC,
                                               INTPOS_TRANSACAO_HABILITADA_CONSULTA_PARCELAS) != 0 &&
                         PermiteParcelado(n));
}

// The entry point created this menu into FrmCred_Mnu, so that is the caller
// its screens close on OK.
void TFrmPreAut_Mnu::spOpcao1Click(forms::Control&) {
    ExecutaOpcao(FrmCred_Mnu, "TFrmVis_Crd", CreditoVistaZentravela::FrmVis_Crd, "FrmVis_Crd");
}

void TFrmPreAut_Mnu::spOpcao2Click(forms::Control&) {
    ExecutaOpcao(FrmCred_Mnu, "TFrmCpr_AdmCrdPar", CreditoParcCprAdmZentravela::FrmCpr_AdmCrdPar,
                 "FrmCpr_AdmCrdPar");
}

void TFrmPreAut_Mnu::spOpcao3Click(forms::Control&) {
    ExecutaOpcao(FrmCred_Mnu, "TFrmEst_CrdPar", CreditoParcEstZentravela::FrmEst_CrdPar, "FrmEst_CrdPar");
}

void TFrmPreAut_Mnu::spOpcao4Click(forms::Control&) {
    ExecutaOpcao(FrmCred_Mnu, "TFrmCon_AdmCrdPar", ConsCreditoZentravela::FrmCon_AdmCrdPar,
                 "FrmCon_AdmCrdPar", false);
}

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
