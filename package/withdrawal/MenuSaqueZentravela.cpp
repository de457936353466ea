#include "withdrawal/MenuSaqueZentravela.h"

namespace zv::MenuSaqueZentravela {

forms::Form* FrmSaqueCredito_Mnu = nullptr;

void Initialization() { FrmSaqueCredito_Mnu = nullptr; }
void Finalization() { FrmSaqueCredito_Mnu = nullptr; }

}  // namespace zv::MenuSaqueZentravela
