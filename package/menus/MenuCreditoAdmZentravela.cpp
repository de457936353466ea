#include "menus/MenuCreditoAdmZentravela.h"

#include "common/ZentravelaMain.h"
#include "consult/ConsCreditoZentravela.h"
#include "consult/ConsultaSaldoCreditoZentravela.h"
#include "host/Catalogo.h"
#include "host/Lumar.h"
#include "host/TransacoesHabilitadas.h"
#include "menus/MenuSaqueZentravela.h"

namespace zv::MenuCreditoAdmZentravela {

forms::Form* FrmCredAdm_Mnu = nullptr;

void Initialization() {
    FrmCredAdm_Mnu = nullptr;
    RegistraTela<TFrmCredAdm_Mnu>("TFrmCredAdm_Mnu");
}

void Finalization() {
    RemoveClasseTela("TFrmCredAdm_Mnu");
    FrmCredAdm_Mnu = nullptr;
}

}  // namespace zv::MenuCreditoAdmZentravela

namespace zv {

using namespace MenuCreditoAdmZentravela;

namespace {

// A withdrawal needs one of the host's withdrawal services; asked in this
// order, stopping at the first the host offers.
bool ServicoSaqueDisponivel() {
    for (const char* codigo : {SERVICO4_ADM_32, SERVICO4_ADM_33, SERVICO4_SAQUE_16}) {
        if (VerificaServico4(codigo) != 0) return true;
    }
    return false;
}

}  // namespace

TFrmCredAdm_Mnu::TFrmCredAdm_Mnu(std::string name) : TFrmMnu_Mod(std::move(name)) {
    SetCaption(Name());
    DeclaraOpcoes(195, 193, {{"&1 - Consulta Parcelas", [this](forms::Control& s) { spOpcao1Click(s); }},
                             {"&2 - Consulta Saldo",    [this](forms::Control& s) { spOpcao2Click(s); }},
                             {"&3 - Saque",             [this](forms::Control& s) { spOpcao3Click(s); }}});
}

void TFrmCredAdm_Mnu::IniciaFormularioMenu() {
    MontaOpcoes(MSG_TITULO_MENU_CREDITO, {MSG_OPCAO_CONSULTA_PARCELAS, MSG_OPCAO_CONSULTA_SALDO, MSG_OPCAO_SAQUE});
}

void TFrmCredAdm_Mnu::VerificaOpcoesHabilitadas() {
    spOpcao1->SetEnabled(TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_CONSULTA_PARC,
                                               INTPOS_TRANSACAO_HABILITADA_CONSULTA_PARCELAS) != 0);
    spOpcao2->SetEnabled(TransacoesHabilitadasIntPos(INTPOS_TRANSACAO_HABILITADA_CONSULTA_SALDO_CREDITO) != 0);
    spOpcao3->SetEnabled(TransacoesHabilitadas(0, INTPOS_TRANSACAO_HABILITADA_ZENTRAVELA_SAQUE) != 0 &&
                         ServicoSaqueDisponivel());
}

void TFrmCredAdm_Mnu::spOpcao1Click(forms::Control&) {
    // From the administrative menu the consultation prints its receipt.
    ExecutaOpcao(FrmCredAdm_Mnu, "TFrmCon_AdmCrdPar",
                 ConsCreditoZentravela::FrmCon_AdmCrdPar, "FrmCon_AdmCrdPar", true);
}

void TFrmCredAdm_Mnu::spOpcao2Click(forms::Control&) {
    ExecutaOpcao(FrmCredAdm_Mnu, "TFrmCnsSaldo_Cred",
                 ConsultaSaldoCreditoZentravela::FrmCnsSaldo_Cred, "FrmCnsSaldo_Cred");
}

void TFrmCredAdm_Mnu::spOpcao3Click(forms::Control&) {
    ExecutaOpcao(FrmCredAdm_Mnu, "TFrmSaqueCredito_Mnu",
                 MenuSaqueZentravela::FrmSaqueCredito_Mnu, "FrmSaqueCredito_Mnu");
}

}  // namespace zv
