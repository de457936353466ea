#pragma once
// Credit sale paid at once: one instalment, sale kind 4.
#include <string>

#include "credit/CreditoTrnZentravela.h"

namespace zv {

class TFrmVis_Crd : public TFrmCrd_Trn {
public:
    explicit TFrmVis_Crd(std::string name = "FrmVis_Crd");

    void IniciaCamposForm() override;
    bool GravaCamposFosdal() override;
};

}  // namespace zv

namespace zv::CreditoVistaZentravela {
extern forms::Form* FrmVis_Crd;

void Initialization();
void Finalization();
}  // namespace zv::CreditoVistaZentravela
