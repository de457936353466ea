#include "cancel/MenuCancelamentoZentravela.h"

namespace zv::MenuCancelamentoZentravela {

forms::Form* FrmCnc_Mnu = nullptr;

void Initialization() { FrmCnc_Mnu = nullptr; }
void Finalization() { FrmCnc_Mnu = nullptr; }

}  // namespace zv::MenuCancelamentoZentravela
