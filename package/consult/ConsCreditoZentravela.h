#pragma once
// Instalment consultation of a credit sale: its request record and screen variable.
#include "TransactionRecord.h"
#include "forms/Form.h"

namespace zv::ConsCreditoZentravela {

// Code 63, consultation; the withdrawal consultation has its own record of this name.
alignas(4) extern const ZvTrnRecord TrnConsultaCredito;
extern forms::Form* FrmCon_AdmCrdPar;

void Initialization();
void Finalization();

}  // namespace zv::ConsCreditoZentravela
