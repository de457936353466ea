#pragma once
// Withdrawal cancellation: its screen and request record.
#include <string>

#include "cancel/CancelamentoTrnZentravela.h"
#include "host/RegistroTransacao.h"

namespace zv {

class TFrmFin_Cnc : public TFrmCnc_Trn {
public:
    explicit TFrmFin_Cnc(std::string name = "FrmFin_Cnc");

    void IniciaCamposForm() override;
};

}  // namespace zv

namespace zv::CancFinanceiroZentravela {

alignas(4) extern const ZvTrnRecord TrnCancFinanceiro;
extern forms::Form* FrmFin_Cnc;

void Initialization();
void Finalization();

}  // namespace zv::CancFinanceiroZentravela
