#pragma once
// The model of the credit balance inquiry: no amount, no card processing by
// the host library, the request and, on approval, the consultation receipt.
// Its request record.
#include <string>

#include "host/RegistroTransacao.h"
#include "screens/TrnModeloZentravela.h"

namespace zv {

class TFrmCnsSdoCred_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmCnsSdoCred_Trn(std::string name = "FrmCnsSdoCred_Trn");

    void IniciaCamposForm() override;
    // Its own sequence in place of the model's.
    void btConfirmaClick(forms::Component& sender) override;
};

}  // namespace zv

namespace zv::ConsultaSaldoCreditoTrnZentravela {

alignas(4) extern const ZvTrnRecord TrnConsultaSaldoCredito;

void Initialization();
void Finalization();

}  // namespace zv::ConsultaSaldoCreditoTrnZentravela
