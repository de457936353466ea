#pragma once
// The model of every option menu: up to eight options and a close button,
// enabled from the host's tables, the only option chosen by itself.
#include <array>
#include <string>

#include "forms/Timer.h"
#include "screens/ModeloZentravela.h"

namespace zv {

class TFrmMnu_Mod : public TFrmMod {
public:
    static constexpr int MAX_OPCOES = 8;

    explicit TFrmMnu_Mod(std::string name = "FrmMnu_Mod");

    forms::Panel* pnMenu = nullptr;
    forms::GlyphButton* spOpcao1 = nullptr;
    forms::GlyphButton* spOpcao2 = nullptr;
    forms::GlyphButton* spOpcao3 = nullptr;
    forms::GlyphButton* spOpcao4 = nullptr;
    forms::GlyphButton* spOpcao5 = nullptr;
    forms::GlyphButton* spOpcao6 = nullptr;
    forms::GlyphButton* spOpcao7 = nullptr;
    forms::GlyphButton* spOpcao8 = nullptr;
    forms::Timer* TClique = nullptr;
    forms::GlyphButton* spEncerra = nullptr;

    // spOpcao1..spOpcao8 in order.
    std::array<forms::GlyphButton*, MAX_OPCOES> Opcoes() const;

    // Slots every concrete menu implements.
    virtual void IniciaFormularioMenu() = 0;
    virtual void VerificaOpcoesHabilitadas() = 0;

    // Event handlers.
    virtual void spEncerraClick(forms::Control& sender);
    virtual void TCliqueTimer(forms::Timer& sender);
    virtual void FormActivate(forms::Form& sender);
    void FormShow(forms::Form& sender) override;

    void VerificaSomente1Opcao();
    void HabilitaDesabilitaBotoes(bool Habilita);
};

}  // namespace zv

namespace zv::MenuModeloZentravela {
// The receipt flag of the consultation screens.
extern bool ImprimeCupom;
extern forms::Form* FrmMnu_Mod;

// Drops every keystroke waiting in the queue, without dispatching it.
void EmptyKeyQueue();

void Initialization();
void Finalization();
}  // namespace zv::MenuModeloZentravela
