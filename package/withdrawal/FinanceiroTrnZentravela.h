#pragma once
// The model of the withdrawal screens: amount, card issue date and cycles
// (the last two only when the host's service data ask for them), and the
// financial transaction record that the authorisation sends.
#include "common/TextosServico.h"
#include "forms/Edit.h"
#include "forms/Label.h"
#include "forms/MaskEdit.h"
#include "host/RegistroTransacao.h"
#include "screens/TrnModeloZentravela.h"

namespace zv {

class TFrmFin_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmFin_Trn(std::string name = "FrmFin_Trn");

    forms::Label* lbDtemCart = nullptr;
    forms::MaskEdit* edDtemCart = nullptr;
    forms::Label* lbCiclos = nullptr;
    forms::Edit* edCiclos = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposFosdal() override;

    virtual void edDtemCartEnter(forms::Control& sender);
    virtual void edCiclosEnter(forms::Control& sender);
};

}  // namespace zv

namespace zv::FinanceiroTrnZentravela {

// "DTEMCART:" and MMYYYY of the card issue date.
extern registro::TextoServico DataEmissaoCartaoOpcional;
// "CICLOS:" and two digits.
extern registro::TextoServico Ciclos;

alignas(4) extern const ZvTrnRecord TrnFinanceiro;
extern forms::Form* FrmFin_Trn;

void Initialization();
void Finalization();

}  // namespace zv::FinanceiroTrnZentravela
