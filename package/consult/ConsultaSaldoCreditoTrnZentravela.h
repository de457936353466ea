#pragma once
// Credit balance inquiry: the request record of its screens.
#include "TransactionRecord.h"

namespace zv::ConsultaSaldoCreditoTrnZentravela {

alignas(4) extern const ZvTrnRecord TrnConsultaSaldoCredito;

void Initialization();
void Finalization();

}  // namespace zv::ConsultaSaldoCreditoTrnZentravela
