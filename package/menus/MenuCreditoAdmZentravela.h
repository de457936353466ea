#pragma once
// The administrative credit menu: instalment consultation, balance inquiry,
// withdrawal.
#include <string>

#include "screens/MenuModeloZentravela.h"

namespace zv {

class TFrmCredAdm_Mnu : public TFrmMnu_Mod {
public:
    explicit TFrmCredAdm_Mnu(std::string name = "FrmCredAdm_Mnu");

    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;

    virtual void spOpcao1Click(forms::Control& sender);
    virtual void spOpcao2Click(forms::Control& sender);
    virtual void spOpcao3Click(forms::Control& sender);
};

}  // namespace zv

namespace zv::MenuCreditoAdmZentravela {
extern forms::Form* FrmCredAdm_Mnu;

void Initialization();
void Finalization();
}  // namespace zv::MenuCreditoAdmZentravela
