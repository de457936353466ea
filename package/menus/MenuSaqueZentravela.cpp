#include "menus/MenuSaqueZentravela.h"

#include "common/ZentravelaMain.h"
#include "host/Catalogo.h"
#include "host/Lumar.h"
#include "withdrawal/ConsSaqueZentravela.h"
#include "withdrawal/SaqueFinParceladoZentravela.h"
#include "withdrawal/SaqueFinRotativoZentravela.h"

namespace zv::MenuSaqueZentravela {

forms::Form* FrmSaqueCredito_Mnu = nullptr;

void Initialization() {
    FrmSaqueCredito_Mnu = nullptr;
    RegistraTela<TFrmSaqueCredito_Mnu>("TFrmSaqueCredito_Mnu");
}

void Finalization() {
    RemoveClasseTela("TFrmSaqueCredito_Mnu");
    FrmSaqueCredito_Mnu = nullptr;
}

}  // namespace zv::MenuSaqueZentravela

namespace zv {

using namespace MenuSaqueZentravela;

TFrmSaqueCredito_Mnu::TFrmSaqueCredito_Mnu(std::string name) : TFrmMnu_Mod(std::move(name)) {
    SetCaption(Name());
    DeclaraOpcoes(LARGURA_PAINEL, LARGURA_OPCAO,
                  {{"&1 - Saque Rotativo",  [this](forms::Control& s) { spOpcao1Click(s); }},
                   {"&2 - Saque Parcelado", [this](forms::Control& s) { spOpcao2Click(s); }},
                   {"&3 - Consulta Saque",  [this](forms::Control& s) { spOpcao3Click(s); }}});
}

void TFrmSaqueCredito_Mnu::IniciaFormularioMenu() {
    MontaOpcoes(MSG_TITULO_MENU_SAQUE, {MSG_OPCAO_SAQUE_ROTATIVO, MSG_OPCAO_SAQUE_PARCELADO, MSG_OPCAO_SAQUE_CONSULTA});
}

void TFrmSaqueCredito_Mnu::VerificaOpcoesHabilitadas() {
    // The number of instalments the host asked for decides between the two
    // withdrawals, as it decides between the credit sales.
    const int32_t n = ParcelasSolicitadas();
    spOpcao1->SetEnabled(VerificaServico4(SERVICO4_SAQUE_14) != 0 && PermiteAVista(n));
    spOpcao2->SetEnabled(VerificaServico4(SERVICO4_SAQUE_15) != 0 && PermiteParcelado(n));
    spOpcao3->SetEnabled(VerificaServico4(SERVICO4_SAQUE_16) != 0);
}

void TFrmSaqueCredito_Mnu::spOpcao1Click(forms::Control&) {
    ExecutaOpcao(FrmSaqueCredito_Mnu, "TFrmRot_Saq", SaqueFinRotativoZentravela::FrmRot_Saq, "FrmRot_Saq");
}

void TFrmSaqueCredito_Mnu::spOpcao2Click(forms::Control&) {
    ExecutaOpcao(FrmSaqueCredito_Mnu, "TFrmPar_Saq", SaqueFinParceladoZentravela::FrmPar_Saq, "FrmPar_Saq");
}

void TFrmSaqueCredito_Mnu::spOpcao3Click(forms::Control&) {
    // From this menu the consultation prints its receipt.
    ExecutaOpcao(FrmSaqueCredito_Mnu, "TFrmCon_AdmSaque",
                 ConsSaqueZentravela::FrmCon_AdmSaque, "FrmCon_AdmSaque", true);
}

}  // namespace zv
