#pragma once
// Invoice payment: the screen on which the operator pays the administrator's
// invoice by card, by a read barcode or by the slip's typed line; its request
// record, the entry-kind texts it sends and the screen variable the generic
// entry point opens.
#include <memory>
#include <string>

#include "TransactionRecord.h"
#include "TrnModeloZentravela.h"
#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "invoice/EntradaCodigoBarras.h"
#include "invoice/EntradaDocumentoFatura.h"
#include "invoice/ValidacaoCodigoBarras.h"

namespace zv {

class TFrmPag_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmPag_Trn(std::string name = "FrmPag_Trn");

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

    virtual void edTpEntradaEnter(forms::Control& sender);
    virtual void edTpEntradaExit(forms::Control& sender);
    virtual void edTpEntradaKeyPress(forms::Control& sender, char& key);
    virtual void edTpEntradaChange(forms::Control& sender);

    void LimpaBlocoCB(int modo) { Documento->CodigoBarras.LimpaBlocoCB(modo); }
    bool ValidaCodigoBarrasDigitado() { return Documento->CodigoBarras.ValidaCodigoBarrasDigitado(); }

private:
    // Entry types 1 (card), 2 (reader) and 3 (typed line).
    std::unique_ptr<TEntradaDocumentoFatura> Documento;
};

}  // namespace zv

namespace zv::PagamentoFaturaZentravela {

constexpr int TAMANHO_TIPO_ENTRADA = 2;
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
