#pragma once
// Instalment sale financed by the store: sale kind 4, or 7 with a down payment.
#include <string>

#include "credit/CreditoParceladoZentravela.h"

namespace zv {

class TFrmEst_CrdPar : public TFrmPar_Crd {
public:
    explicit TFrmEst_CrdPar(std::string name = "FrmEst_CrdPar");

    void IniciaCamposForm() override;
    bool GravaCamposFosdal() override;
};

}  // namespace zv

namespace zv::CreditoParcEstZentravela {
extern forms::Form* FrmEst_CrdPar;

void Initialization();
void Finalization();
}  // namespace zv::CreditoParcEstZentravela
