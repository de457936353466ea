#pragma once
// Invoice payment: the screen on which the operator pays the administrator's
// invoice by card, by a read barcode or by the slip's typed line; its request
// record, the entry-kind texts it sends and the screen variable the generic
// entry point opens.
#include <string>

#include "forms/Form.h"
#include "host/RegistroTransacao.h"
#include "invoice/EntradaDocumentoFatura.h"
#include "invoice/ValidacaoCodigoBarras.h"
#include "screens/TrnModeloZentravela.h"

namespace zv {

class TFrmPag_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmPag_Trn(std::string name = "FrmPag_Trn");

    // The rows that identify the invoice.
    TEntradaDocumentoFatura Documento;

    void IniciaCamposForm() override;
    bool GravaCamposFosdal() override;
    // The invoice checked after the model's own checks.
    bool ValidaCamposForm() override;
    // The card read first when the type is card.
    bool PreparaConfirmacao() override;
};

}  // namespace zv

namespace zv::PagamentoFaturaZentravela {

// How the payment document was entered: one character.
extern char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA];
extern char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA];
// The typed título line and the barcode built from it, refilled by every validation.
extern char CodigoBarrasDigitado[TAMANHO_LINHA_TITULO];
extern char CodigoBarrasLido[TAMANHO_CODIGO_BARRAS];

alignas(4) extern const ZvTrnRecord TrnPagamentoFatura;
extern forms::Form* FrmPag_Trn;

void Initialization();
void Finalization();

}  // namespace zv::PagamentoFaturaZentravela
