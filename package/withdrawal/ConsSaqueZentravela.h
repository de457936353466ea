#pragma once
// Withdrawal consultation: its own request record (code 63, like the
// instalment consultation's, with other entries) and its selector text.
#include "TransactionRecord.h"
#include "forms/Form.h"

namespace zv::ConsSaqueZentravela {

constexpr int TAMANHO_TRANSACAO_SAQUE = 6;
// "TRN:6", written at every withdrawal consultation.
extern char TransacaodeSaque[TAMANHO_TRANSACAO_SAQUE];

alignas(4) extern const ZvTrnRecord TrnConsultaCredito;
// The consultation screen's variable; the withdrawal menu opens it.
extern forms::Form* FrmCon_AdmSaque;

void Initialization();
void Finalization();

}  // namespace zv::ConsSaqueZentravela
