#pragma once
// Credit sale cancellation: one record for a card read, one for a card typed.
#include "TransactionRecord.h"

namespace zv::CancCreditoZentravela {

alignas(4) extern const ZvTrnRecord TrnCancelamentoCredMag;  // code 54
alignas(4) extern const ZvTrnRecord TrnCancelamentoCredDig;  // code 55

void Initialization();
void Finalization();

}  // namespace zv::CancCreditoZentravela
