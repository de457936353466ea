#pragma once
// The cancellation menu: credit sale, invoice payment, withdrawal. The
// administrative entry point opens it for function 1.
#include <string>

#include "screens/MenuModeloZentravela.h"

namespace zv {

class TFrmCnc_Mnu : public TFrmMnu_Mod {
public:
    explicit TFrmCnc_Mnu(std::string name = "FrmCnc_Mnu");

    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;

    virtual void spOpcao1Click(forms::Control& sender);
    virtual void spOpcao2Click(forms::Control& sender);
    virtual void spOpcao3Click(forms::Control& sender);
};

}  // namespace zv

namespace zv::MenuCancelamentoZentravela {
extern forms::Form* FrmCnc_Mnu;

void Initialization();
void Finalization();
}  // namespace zv::MenuCancelamentoZentravela
