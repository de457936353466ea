#pragma once
// Credit balance inquiry screen: its screen variable, opened by the
// administrative credit menu.
#include "forms/Form.h"

namespace zv::ConsultaSaldoCreditoZentravela {

extern forms::Form* FrmCnsSaldo_Cred;

void Initialization();
void Finalization();

}  // namespace zv::ConsultaSaldoCreditoZentravela
