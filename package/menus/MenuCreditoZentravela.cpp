#include "menus/MenuCreditoZentravela.h"

#include "common/Conversoes.h"
#include "common/ZentravelaMain.h"
#include "consult/ConsCreditoZentravela.h"
#include "credit/CreditoParcCprAdmZentravela.h"
#include "credit/CreditoParcEstZentravela.h"
#include "credit/CreditoVistaZentravela.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "host/Lumar.h"
#include "host/TransacoesHabilitadas.h"

namespace zv::MenuCreditoZentravela {

forms::Form* FrmCred_Mnu = nullptr;

// The table is asked first, then the number of instalments.
bool OpcaoCreditoHabilitada(int opcao, int32_t parcelas) {
    switch (opcao) {
        case 1:
            return TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_AVISTA,
                                         INTPOS_TRANSACAO_HABILITADA_CREDITO) != 0 &&
                   TFrmMnu_Mod::PermiteAVista(parcelas);
        case 2:
            return TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_PARC_ADM,
                                         INTPOS_TRANSACAO_HABILITADA_CREDITO) != 0 &&
                   TFrmMnu_Mod::PermiteParcelado(parcelas);
        case 3:
            return TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_PARC_LOJISTA,
                                         INTPOS_TRANSACAO_HABILITADA_CREDITO) != 0 &&
                   TFrmMnu_Mod::PermiteParcelado(parcelas);
        default:
            return TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_CONSULTA_PARC,
                                         INTPOS_TRANSACAO_HABILITADA_CONSULTA_PARCELAS) != 0 &&
                   TFrmMnu_Mod::PermiteParcelado(parcelas);
    }
}

void ExecutaOpcaoCredito(TFrmMnu_Mod& menu, int opcao) {
    switch (opcao) {
        case 1: menu.ExecutaOpcao(FrmCred_Mnu, "TFrmVis_Crd", CreditoVistaZentravela::FrmVis_Crd, "FrmVis_Crd"); break;
        case 2:
            menu.ExecutaOpcao(FrmCred_Mnu, "TFrmCpr_AdmCrdPar", CreditoParcCprAdmZentravela::FrmCpr_AdmCrdPar,
                              "FrmCpr_AdmCrdPar");
            break;
        case 3:
            menu.ExecutaOpcao(FrmCred_Mnu, "TFrmEst_CrdPar", CreditoParcEstZentravela::FrmEst_CrdPar, "FrmEst_CrdPar");
            break;
        default:
            // A consultation from the sale menus prints no receipt.
            menu.ExecutaOpcao(FrmCred_Mnu, "TFrmCon_AdmCrdPar", ConsCreditoZentravela::FrmCon_AdmCrdPar,
                              "FrmCon_AdmCrdPar", false);
    }
}

void Initialization() {
    FrmCred_Mnu = nullptr;
    RegistraTela<TFrmCred_Mnu>("TFrmCred_Mnu");
}

void Finalization() {
    RemoveClasseTela("TFrmCred_Mnu");
    FrmCred_Mnu = nullptr;
}

}  // namespace zv::MenuCreditoZentravela

namespace zv {

using namespace MenuCreditoZentravela;

TFrmCred_Mnu::TFrmCred_Mnu(std::string name) : TFrmMnu_Mod(std::move(name)) {
    SetCaption(Name());
    DeclaraOpcoes(200, 198, {{"&1 - \xC0 Vista",          [this](forms::Control& s) { spOpcao1Click(s); }},
                             {"&2 - Parcelado Adm",    [this](forms::Control& s) { spOpcao2Click(s); }},
                             {"&3 - Parcelado Estab",  [this](forms::Control& s) { spOpcao3Click(s); }},
                             {"&4 - Consulta Parcelas", [this](forms::Control& s) { spOpcao4Click(s); }}});
}

void TFrmCred_Mnu::IniciaFormularioMenu() {
    MontaOpcoes(MSG_TITULO_MENU_CREDITO,
                {MSG_OPCAO_A_VISTA, MSG_OPCAO_PARC_ADM, MSG_OPCAO_PARC_ESTAB, MSG_OPCAO_CONSULTA_PARCELAS});
}

void TFrmCred_Mnu::VerificaOpcoesHabilitadas() {
    const int32_t n = ParcelasSolicitadas();
    for (int opcao = 1; opcao <= 4; ++opcao) Opcoes()[opcao - 1]->SetEnabled(OpcaoCreditoHabilitada(opcao, n));
}

void TFrmCred_Mnu::spOpcao1Click(forms::Control&) { ExecutaOpcaoCredito(*this, 1); }

void TFrmCred_Mnu::spOpcao2Click(forms::Control&) { ExecutaOpcaoCredito(*this, 2); }

void TFrmCred_Mnu::spOpcao3Click(forms::Control&) { ExecutaOpcaoCredito(*this, 3); }

void TFrmCred_Mnu::spOpcao4Click(forms::Control&) { ExecutaOpcaoCredito(*this, 4); }

}  // namespace zv
