#pragma once
// Instalment consultation of a purchase financed by the administrator: the
// operator gives the amount and the number of instalments, the host answers
// with its plans, shown on the consultation receipt. Its request record and
// screen variable.
#include <string>

#include "credit/CreditoParcAdmZentravela.h"
#include "forms/Form.h"
#include "host/RegistroTransacao.h"

namespace zv {

class TFrmCon_AdmCrdPar : public TFrmAdm_CrdPar {
public:
    explicit TFrmCon_AdmCrdPar(std::string name = "FrmCon_AdmCrdPar");

    void IniciaCamposForm() override;
    // Its own sequence: checks, card steps, the request, the receipt on approval.
    void btConfirmaClick(forms::Component& sender) override;
};

}  // namespace zv

namespace zv::ConsCreditoZentravela {

// Code 63, consultation; the withdrawal consultation has its own record of this name.
alignas(4) extern const ZvTrnRecord TrnConsultaCredito;
extern forms::Form* FrmCon_AdmCrdPar;

void Initialization();
void Finalization();

}  // namespace zv::ConsCreditoZentravela
