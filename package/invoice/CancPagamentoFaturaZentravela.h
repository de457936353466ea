#pragma once
// Invoice payment cancellation: its request record and the texts it sends.
#include "TransactionRecord.h"
#include "forms/Form.h"

namespace zv::CancPagamentoFaturaZentravela {

constexpr int TAMANHO_TIPO_ENTRADA = 2;
constexpr int TAMANHO_TIPO_DOCUMENTO = 141;
extern char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA];
extern char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA];
// The document line of the payment being cancelled, at most 140 characters.
extern char TipoDocumento[TAMANHO_TIPO_DOCUMENTO];

alignas(4) extern const ZvTrnRecord TrnCancPagamentoFatura;
// The cancellation screen's variable; the cancellation menu opens it.
extern forms::Form* FrmFat_Cnc;

void Initialization();
void Finalization();

}  // namespace zv::CancPagamentoFaturaZentravela
