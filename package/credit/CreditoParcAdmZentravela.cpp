#include "credit/CreditoParcAdmZentravela.h"

namespace zv {

TFrmAdm_CrdPar::TFrmAdm_CrdPar(std::string name) : TFrmPar_Crd(std::move(name)) {
    SetCaption(Name());
    lbTitulo->SetCaption("FORMUL\xC1RIO PARA CAPTURA DE DADOS DE  CR\xC9" "DITO PARCELADO PELA ");
}

}  // namespace zv

namespace zv::CreditoParcAdmZentravela {

forms::Form* FrmAdm_CrdPar = nullptr;

// Only its descendants are ever shown, so no class is registered here.
void Initialization() { FrmAdm_CrdPar = nullptr; }
void Finalization() { FrmAdm_CrdPar = nullptr; }

}  // namespace zv::CreditoParcAdmZentravela
