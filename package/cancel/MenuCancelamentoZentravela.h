#pragma once
// Cancellation menu: its screen variable, opened by the administrative entry point.
#include "forms/Form.h"

namespace zv::MenuCancelamentoZentravela {

extern forms::Form* FrmCnc_Mnu;

void Initialization();
void Finalization();

}  // namespace zv::MenuCancelamentoZentravela
