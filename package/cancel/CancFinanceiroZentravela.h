#pragma once
// Withdrawal cancellation: its request record.
#include "TransactionRecord.h"

namespace zv::CancFinanceiroZentravela {

alignas(4) extern const ZvTrnRecord TrnCancFinanceiro;

void Initialization();
void Finalization();

}  // namespace zv::CancFinanceiroZentravela
