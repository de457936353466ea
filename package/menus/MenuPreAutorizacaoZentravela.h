#pragma once
// The capture of a pre-authorised sale: the credit menu's choices, each
// subject to the pre-authorisation kind the sale entry allowed.
#include <string>

#include "screens/MenuModeloZentravela.h"

namespace zv {

class TFrmPreAut_Mnu : public TFrmMnu_Mod {
public:
    explicit TFrmPreAut_Mnu(std::string name = "FrmPreAut_Mnu");

    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;

    virtual void spOpcao1Click(forms::Control& sender);
    virtual void spOpcao2Click(forms::Control& sender);
    virtual void spOpcao3Click(forms::Control& sender);
    virtual void spOpcao4Click(forms::Control& sender);
};

}  // namespace zv

namespace zv::MenuPreAutorizacaoZentravela {
// Stays empty: the sale entry creates this menu into the credit menu's variable.
extern forms::Form* FrmPreAut_Mnu;

void Initialization();
void Finalization();
}  // namespace zv::MenuPreAutorizacaoZentravela
