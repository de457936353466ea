#pragma once
// The credit sale menu: at sight, administrator instalments, store
// instalments, instalment consultation.
#include <cstdint>
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

// The credit sale's options 1 to 4, which the pre-authorisation menu offers
// too: whether the host's table and the instalments asked for allow option
// `opcao`, and running its screen from `menu` with the credit menu as caller.
bool OpcaoCreditoHabilitada(int opcao, int32_t parcelas);
void ExecutaOpcaoCredito(TFrmMnu_Mod& menu, int opcao);

void Initialization();
void Finalization();
}  // namespace zv::MenuCreditoZentravela
