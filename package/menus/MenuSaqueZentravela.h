#pragma once
// The withdrawal menu: revolving withdrawal, instalment withdrawal,
// withdrawal consultation. The administrative credit menu opens it.
#include <string>

#include "screens/MenuModeloZentravela.h"

namespace zv {

class TFrmSaqueCredito_Mnu : public TFrmMnu_Mod {
public:
    explicit TFrmSaqueCredito_Mnu(std::string name = "FrmSaqueCredito_Mnu");

    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;

    virtual void spOpcao1Click(forms::Control& sender);
    virtual void spOpcao2Click(forms::Control& sender);
    virtual void spOpcao3Click(forms::Control& sender);
};

}  // namespace zv

namespace zv::MenuSaqueZentravela {
extern forms::Form* FrmSaqueCredito_Mnu;

void Initialization();
void Finalization();
}  // namespace zv::MenuSaqueZentravela
