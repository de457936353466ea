#pragma once
// Invoice payment cancellation: the cancellation model (amount, date and
// document number of the payment) with the invoice identified as the payment
// screen does, by card or by the slip's line typed block by block. Its
// request record, the texts it sends and its own slip-line buffers.
#include <string>

#include "cancel/CancelamentoTrnZentravela.h"
#include "forms/Form.h"
#include "host/RegistroTransacao.h"
#include "invoice/EntradaDocumentoFatura.h"
#include "invoice/ValidacaoCodigoBarras.h"

namespace zv {

class TFrmFat_Cnc : public TFrmCnc_Trn {
public:
    explicit TFrmFat_Cnc(std::string name = "FrmFat_Cnc");

    // The rows that identify the invoice.
    TEntradaDocumentoFatura Documento;

    void IniciaCamposForm() override;
    bool GravaCamposFosdal() override;
    // The invoice checked after the cancellation model's own checks.
    bool ValidaCamposForm() override;
    // The card read first when the type is card.
    bool PreparaConfirmacao() override;
    // Its own date prompt.
    void edDtTransacaoEnter(forms::Control& sender) override;
};

}  // namespace zv

namespace zv::CancPagamentoFaturaZentravela {

constexpr int TAMANHO_TIPO_DOCUMENTO = 141;
extern char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA];
extern char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA];
// The document line of the payment being cancelled, at most 140 characters.
extern char TipoDocumento[TAMANHO_TIPO_DOCUMENTO];
// The typed título line and the barcode built from it, this unit's own.
extern char CodigoBarrasDigitado[TAMANHO_LINHA_TITULO];
extern char CodigoBarrasLido[TAMANHO_CODIGO_BARRAS];

alignas(4) extern const ZvTrnRecord TrnCancPagamentoFatura;
// The cancellation screen's variable; the cancellation menu opens it.
extern forms::Form* FrmFat_Cnc;

void Initialization();
void Finalization();

}  // namespace zv::CancPagamentoFaturaZentravela
