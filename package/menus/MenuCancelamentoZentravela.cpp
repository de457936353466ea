#include "menus/MenuCancelamentoZentravela.h"

#include "cancel/CancCreditoZentravela.h"
#include "cancel/CancFinanceiroZentravela.h"
#include "common/ZentravelaMain.h"
#include "host/Catalogo.h"
#include "host/Lumar.h"
#include "host/TransacoesHabilitadas.h"
#include "invoice/CancPagamentoFaturaZentravela.h"
#include "screens/LayoutTela.h"

namespace zv::MenuCancelamentoZentravela {

forms::Form* FrmCnc_Mnu = nullptr;

void Initialization() {
    FrmCnc_Mnu = nullptr;
    RegistraTela<TFrmCnc_Mnu>("TFrmCnc_Mnu");
}

void Finalization() {
    RemoveClasseTela("TFrmCnc_Mnu");
    FrmCnc_Mnu = nullptr;
}

}  // namespace zv::MenuCancelamentoZentravela

namespace zv {

using namespace MenuCancelamentoZentravela;

TFrmCnc_Mnu::TFrmCnc_Mnu(std::string name) : TFrmMnu_Mod(std::move(name)) {
    SetCaption(Name());
    DeclaraOpcoes(174, 172, {{"&1 - Venda",               [this](forms::Control& s) { spOpcao1Click(s); }},
                             {"&2 - Pagamento da Fatura", [this](forms::Control& s) { spOpcao2Click(s); }},
                             {"&3 - Saque",               [this](forms::Control& s) { spOpcao3Click(s); }}});
    layout::Coloca(*pnMenu, pnMenu->Left(), 114, pnMenu->Width());
}

void TFrmCnc_Mnu::IniciaFormularioMenu() {
    MontaOpcoes(MSG_TITULO_MENU_CANCELAMENTO, {MSG_OPCAO_CANC_CREDITO, MSG_OPCAO_CANC_FATURA, MSG_OPCAO_SAQUE});
}

void TFrmCnc_Mnu::VerificaOpcoesHabilitadas() {
    spOpcao1->SetEnabled(TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_CANCEL,
                                               INTPOS_TRANSACAO_HABILITADA_CANCEL_CREDITO) != 0);
    spOpcao2->SetEnabled(TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_CANCEL_FATURA, 0) != 0);
    // The host's withdrawal cancellation service is asked only when the table allows it.
    spOpcao3->SetEnabled(TransacoesHabilitadas(0, INTPOS_TRANSACAO_HABILITADA_CANC_SAQUE_CREDITO) != 0 &&
                         VerificaServico4(SERVICO4_CANC_SAQUE) != 0);
}

void TFrmCnc_Mnu::spOpcao1Click(forms::Control&) {
    ExecutaOpcao(FrmCnc_Mnu, "TFrmCrd_Cnc", CancCreditoZentravela::FrmCrd_Cnc, "FrmCrd_Cnc");
}

void TFrmCnc_Mnu::spOpcao2Click(forms::Control&) {
    ExecutaOpcao(FrmCnc_Mnu, "TFrmFat_Cnc", CancPagamentoFaturaZentravela::FrmFat_Cnc, "FrmFat_Cnc");
}

void TFrmCnc_Mnu::spOpcao3Click(forms::Control&) {
    // The name the operator is told differs from the screen's own.
    ExecutaOpcao(FrmCnc_Mnu, "TFrmFin_Cnc", CancFinanceiroZentravela::FrmFin_Cnc, "FrmSaque_Cnc");
}

}  // namespace zv
