#pragma once
// Financial (withdrawal) transactions: the request record and the text
// buffers it sends, filled by the withdrawal screens before authorisation.
#include "TransactionRecord.h"

namespace zv::FinanceiroTrnZentravela {

constexpr int TAMANHO_TEXTO_OPCIONAL = 17;
// "DTEMCART:" and MMYYYY of the card issue date.
extern char DataEmissaoCartaoOpcional[TAMANHO_TEXTO_OPCIONAL];
// "CICLOS:" and two digits.
extern char Ciclos[TAMANHO_TEXTO_OPCIONAL];

alignas(4) extern const ZvTrnRecord TrnFinanceiro;

void Initialization();
void Finalization();

}  // namespace zv::FinanceiroTrnZentravela
