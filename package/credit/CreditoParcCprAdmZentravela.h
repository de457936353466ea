#pragma once
// Instalment sale financed by the card administrator: sale kind 3, or 6 with
// a down payment.
#include <string>

#include "credit/CreditoParcAdmZentravela.h"

namespace zv {

class TFrmCpr_AdmCrdPar : public TFrmAdm_CrdPar {
public:
    explicit TFrmCpr_AdmCrdPar(std::string name = "FrmCpr_AdmCrdPar");

    void IniciaCamposForm() override;
    bool GravaCamposFosdal() override;
};

}  // namespace zv

namespace zv::CreditoParcCprAdmZentravela {
extern forms::Form* FrmCpr_AdmCrdPar;

void Initialization();
void Finalization();
}  // namespace zv::CreditoParcCprAdmZentravela
