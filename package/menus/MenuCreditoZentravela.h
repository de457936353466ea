#pragma once
// The credit sale menu: at sight, administrator instalments, store
// instalments, instalment consultation.
#include <cstdint>
#include <initializer_list>
#include <optional>
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

// The number of instalments the host asked for (field 1017); -1 when it said nothing.
int32_t ParcelasSolicitadas();
// At sight is offered for at most one instalment, instalment sales for more
// (or when the host said nothing).
bool PermiteAVista(int32_t parcelas);
bool PermiteParcelado(int32_t parcelas);

// Lays out a menu's options: its title, the captions "&n - " and the
// catalogue text of each used option (the others hidden), the close button.
void MontaOpcoes(TFrmMnu_Mod& menu, int32_t titulo, std::initializer_list<int32_t> mensagens);
// Gives the menu panel and its buttons their widths.
void DimensionaMenu(TFrmMnu_Mod& menu, int larguraPainel, int larguraBotao);
// Runs an option's screen from a menu: locks the menu, sets the receipt flag
// when asked, runs the screen with `chamador` as its caller, tells the
// operator when the screen cannot be created, and unlocks the menu unless
// the screen's OK closed it.
void ExecutaOpcao(TFrmMnu_Mod& menu, forms::Form* chamador, const std::string& classe, forms::Form*& tela,
                  const std::string& nomeForm, std::optional<bool> imprimeCupom = std::nullopt);

void Initialization();
void Finalization();
}  // namespace zv::MenuCreditoZentravela
