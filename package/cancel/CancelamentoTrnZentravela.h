#pragma once
// The model of the cancellation screens: the date and the document number of
// the transaction being cancelled, on top of the amount of the transaction
// model. Never shown by itself.
#include <string>

#include "forms/Edit.h"
#include "forms/Label.h"
#include "forms/MaskEdit.h"
#include "screens/TrnModeloZentravela.h"

namespace zv {

class TFrmCnc_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmCnc_Trn(std::string name = "FrmCnc_Trn");

    forms::Label* lbDtTransacao = nullptr;
    forms::MaskEdit* edDtTransacao = nullptr;
    forms::Label* lbNumDocumento = nullptr;
    forms::Edit* edNumDocumento = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposFosdal() override;

    virtual void edDtTransacaoEnter(forms::Control& sender);
    virtual void edNumDocumentoEnter(forms::Control& sender);

private:
    bool DataTransacaoValida() const;
};

}  // namespace zv

namespace zv::CancelamentoTrnZentravela {
extern forms::Form* FrmCnc_Trn;

void Initialization();
void Finalization();
}  // namespace zv::CancelamentoTrnZentravela
