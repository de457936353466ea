#pragma once
// The credit sale menu: at sight, administrator instalments, store
// instalments, instalment consultation.
#include <string>

#include "screens/MenuModeloZentravela.h"

namespace zv {

class TFrmCred_Mnu : public TFrmMnu_Mod {
public:
    explicit TFrmCred_Mnu(std::string name = "FrmCred_Mnu");

    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;

    virtual void spOpcao1Click(forms::Control& sender);
    virtual void spOpcao2Click(forms::Control& sender);
    virtual void spOpcao3Click(forms::Control& sender);
    virtual void spOpcao4Click(forms::Control& sender);
};

}  // namespace zv

namespace zv::MenuCreditoZentravela {
// The credit menu, and the pre-authorisation menu when the sale entry opens that one.
extern forms::Form* FrmCred_Mnu;

void Initialization();
void Finalization();
}  // namespace zv::MenuCreditoZentravela
