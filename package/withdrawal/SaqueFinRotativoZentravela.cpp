#include "withdrawal/SaqueFinRotativoZentravela.h"

#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv {

TFrmRot_Saq::TFrmRot_Saq(std::string name) : TFrmSaq_Fin(std::move(name)) { SetCaption(Name()); }

// The single instalment is the screen's own answer when the client asked for
// none: taken back as the operator's values are, so the withdrawal menu offers
// the instalment withdrawal again after a return.
void TFrmRot_Saq::IniciaCamposForm() {
    TFrmSaq_Fin::IniciaCamposForm();
    ValoresTela.Le(CAMPO_NUMERO_PARCELAS);
}

bool TFrmRot_Saq::GravaCamposFosdal() {
    return TFrmSaq_Fin::GravaCamposFosdal() && ValoresTela.GravaDaTela(CAMPO_NUMERO_PARCELAS, "1") == 0;
}

}  // namespace zv

namespace zv::SaqueFinRotativoZentravela {

forms::Form* FrmRot_Saq = nullptr;

void Initialization() {
    FrmRot_Saq = nullptr;
    RegistraTela<TFrmRot_Saq>("TFrmRot_Saq");
}

void Finalization() {
    RemoveClasseTela("TFrmRot_Saq");
    FrmRot_Saq = nullptr;
}

}  // namespace zv::SaqueFinRotativoZentravela
