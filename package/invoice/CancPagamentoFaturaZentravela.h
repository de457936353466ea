#pragma once
// Invoice payment cancellation: the cancellation model (amount, date and
// document number of the payment) with the invoice identified as the payment
// screen does, by card or by the slip's line typed block by block. Its
// request record, the texts it sends and its own slip-line buffers.
#include <memory>
#include <string>

#include "TransactionRecord.h"
#include "cancel/CancelamentoTrnZentravela.h"
#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "invoice/EntradaDocumentoFatura.h"
#include "invoice/ValidacaoCodigoBarras.h"

namespace zv {

class TFrmFat_Cnc : public TFrmCnc_Trn {
public:
    explicit TFrmFat_Cnc(std::string name = "FrmFat_Cnc");

    forms::Label* LbTpEntrada = nullptr;
    forms::Edit* edTpEntrada = nullptr;
    forms::Label* lbTipoEntradaMsg = nullptr;
    forms::Label* lbDoc = nullptr;
    // The document area's boxes (owned by the form, arranged by Documento).
    forms::Edit* ed_bloco1 = nullptr;
    forms::Edit* ed_bloco2 = nullptr;
    forms::Edit* ed_bloco3 = nullptr;
    forms::Edit* ed_bloco4_12 = nullptr;
    forms::Edit* ed_digito = nullptr;
    forms::Edit* ed_bloco4_14 = nullptr;
    forms::Edit* EdDoc = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposFosdal() override;
    void btConfirmaClick(forms::Component& sender) override;
    // Its own date prompt, shown without making the message line visible.
    void edDtTransacaoEnter(forms::Control& sender) override;

    virtual void edTpEntradaEnter(forms::Control& sender);
    virtual void edTpEntradaExit(forms::Control& sender);
    virtual void edTpEntradaKeyPress(forms::Control& sender, char& key);
    virtual void edTpEntradaChange(forms::Control& sender);

    void LimpaBlocoCB(int modo) { Documento->CodigoBarras.LimpaBlocoCB(modo); }
    bool ValidaCodigoBarrasDigitado() { return Documento->CodigoBarras.ValidaCodigoBarrasDigitado(); }

private:
    // Entry types 1 (card) and 2 (typed line); no reader on this screen.
    std::unique_ptr<TEntradaDocumentoFatura> Documento;
};

}  // namespace zv

namespace zv::CancPagamentoFaturaZentravela {

constexpr int TAMANHO_TIPO_ENTRADA = 2;
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
