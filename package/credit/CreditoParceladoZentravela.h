#pragma once
// The instalment credit screen: number of instalments and down payment on
// top of the credit screen. Never shown by itself.
#include <string>

#include "credit/CreditoTrnZentravela.h"

namespace zv {

class TFrmPar_Crd : public TFrmCrd_Trn {
public:
    explicit TFrmPar_Crd(std::string name = "FrmPar_Crd");

    forms::Label* lbNumParcelas = nullptr;
    forms::Edit* edNumParcelas = nullptr;
    forms::Label* lbValorEntrada = nullptr;
    forms::Edit* edValorEntrada = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposFosdal() override;

    virtual void edNumParcelasEnter(forms::Control& sender);
    virtual void edValorEntradaEnter(forms::Control& sender);

protected:
    // The sale kind of an instalment sale: `comEntrada` when a down payment
    // was typed and the host allows down payments (field 10160), else `semEntrada`.
    std::string TipoVenda(const char* comEntrada, const char* semEntrada) const;
    // Writes the sale kind to fields 10156 and 1016.
    bool GravaTipoVenda(const std::string& tipo);
};

}  // namespace zv

namespace zv::CreditoParceladoZentravela {
extern forms::Form* FrmPar_Crd;

void Initialization();
void Finalization();
}  // namespace zv::CreditoParceladoZentravela
