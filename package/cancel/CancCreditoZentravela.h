#pragma once
// Credit sale cancellation: its screen and two records, one for a card read,
// one for a card typed.
#include <string>

#include "cancel/CancelamentoTrnZentravela.h"
#include "host/RegistroTransacao.h"

namespace zv {

class TFrmCrd_Cnc : public TFrmCnc_Trn {
public:
    explicit TFrmCrd_Cnc(std::string name = "FrmCrd_Cnc");

    void IniciaCamposForm() override;
    // Refuses the confirmation when the card's entry mode chose no record.
    bool ValidaCamposForm() override;
};

}  // namespace zv

namespace zv::CancCreditoZentravela {

alignas(4) extern const ZvTrnRecord TrnCancelamentoCredMag;  // code 54
alignas(4) extern const ZvTrnRecord TrnCancelamentoCredDig;  // code 55
extern forms::Form* FrmCrd_Cnc;

void Initialization();
void Finalization();

}  // namespace zv::CancCreditoZentravela
