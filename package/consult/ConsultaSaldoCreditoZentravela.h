#pragma once
// Credit balance inquiry: the balance model under its own title, without the
// amount box; its screen variable, opened by the administrative credit menu.
#include <string>

#include "consult/ConsultaSaldoCreditoTrnZentravela.h"
#include "forms/Form.h"

namespace zv {

class TFrmCnsSaldo_Cred : public TFrmCnsSdoCred_Trn {
public:
    explicit TFrmCnsSaldo_Cred(std::string name = "FrmCnsSaldo_Cred");

    void IniciaCamposForm() override;
};

}  // namespace zv

namespace zv::ConsultaSaldoCreditoZentravela {

extern forms::Form* FrmCnsSaldo_Cred;

void Initialization();
void Finalization();

}  // namespace zv::ConsultaSaldoCreditoZentravela
