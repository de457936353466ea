#pragma once
// Instalment credit financed by the card administrator: the common parent of
// the administrator's instalment sale and of the consultation screens.
#include <string>

#include "credit/CreditoParceladoZentravela.h"

namespace zv {

class TFrmAdm_CrdPar : public TFrmPar_Crd {
public:
    explicit TFrmAdm_CrdPar(std::string name = "FrmAdm_CrdPar");
};

}  // namespace zv

namespace zv::CreditoParcAdmZentravela {
extern forms::Form* FrmAdm_CrdPar;

void Initialization();
void Finalization();
}  // namespace zv::CreditoParcAdmZentravela
