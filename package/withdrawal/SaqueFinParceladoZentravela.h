#pragma once
// The instalment withdrawal: the number of instalments, within the limits the
// host gives, on top of the withdrawal screen.
#include <string>

#include "withdrawal/SaqueFinanceiroZentravela.h"

namespace zv {

class TFrmPar_Saq : public TFrmSaq_Fin {
public:
    explicit TFrmPar_Saq(std::string name = "FrmPar_Saq");

    forms::Label* lbNumParcelas = nullptr;
    forms::Edit* edNumParcelas = nullptr;

    // The limits of the number of instalments, set at every start.
    int MinimoParcelas = 2;
    int MaximoParcelas = 99;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposFosdal() override;

    // An empty number passes; one outside the limits is refused (319 below
    // the minimum, 320 above the maximum).
    bool ValidaLimiteParcela();

    virtual void edNumParcelasEnter(forms::Control& sender);
};

}  // namespace zv

namespace zv::SaqueFinParceladoZentravela {
extern forms::Form* FrmPar_Saq;

void Initialization();
void Finalization();
}  // namespace zv::SaqueFinParceladoZentravela
