#pragma once
// The revolving withdrawal: always one instalment.
#include <string>

#include "withdrawal/SaqueFinanceiroZentravela.h"

namespace zv {

class TFrmRot_Saq : public TFrmSaq_Fin {
public:
    explicit TFrmRot_Saq(std::string name = "FrmRot_Saq");

    void IniciaCamposForm() override;
    bool GravaCamposFosdal() override;
};

}  // namespace zv

namespace zv::SaqueFinRotativoZentravela {
extern forms::Form* FrmRot_Saq;

void Initialization();
void Finalization();
}  // namespace zv::SaqueFinRotativoZentravela
