#pragma once
// Withdrawal menu: its screen variable, opened by the administrative credit menu.
#include "forms/Form.h"

namespace zv::MenuSaqueZentravela {

extern forms::Form* FrmSaqueCredito_Mnu;

void Initialization();
void Finalization();

}  // namespace zv::MenuSaqueZentravela
