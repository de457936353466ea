#include "consult/ConsultaSaldoCreditoZentravela.h"

namespace zv::ConsultaSaldoCreditoZentravela {

forms::Form* FrmCnsSaldo_Cred = nullptr;

void Initialization() { FrmCnsSaldo_Cred = nullptr; }
void Finalization() { FrmCnsSaldo_Cred = nullptr; }

}  // namespace zv::ConsultaSaldoCreditoZentravela
