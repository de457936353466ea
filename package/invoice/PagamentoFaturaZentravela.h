#pragma once
// Invoice payment: its request record, the entry-kind texts it sends and the
// screen variable the generic entry point opens.
#include "TransactionRecord.h"
#include "forms/Form.h"

namespace zv::PagamentoFaturaZentravela {

constexpr int TAMANHO_TIPO_ENTRADA = 2;
// How the payment document was entered: one character.
extern char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA];
extern char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA];

alignas(4) extern const ZvTrnRecord TrnPagamentoFatura;
extern forms::Form* FrmPag_Trn;

void Initialization();
void Finalization();

}  // namespace zv::PagamentoFaturaZentravela
