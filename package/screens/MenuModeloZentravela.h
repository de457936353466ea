#pragma once
// The model of every option menu: up to eight options and a close button,
// enabled from the host's tables, the only option chosen by itself.
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "forms/Timer.h"
#include "screens/ModeloZentravela.h"

namespace zv {

class TFrmMnu_Mod : public TFrmMod {
public:
    static constexpr int MAX_OPCOES = 8;
    // The widths of the menu panel and its buttons as the model draws them.
    static constexpr int LARGURA_PAINEL = 142;
    static constexpr int LARGURA_OPCAO = 140;

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

    // Runs an option's screen: locks the menu, sets the receipt flag when
    // asked, runs the screen with `chamador` as its caller, tells the operator
    // when the screen cannot be created, and unlocks the menu unless the
    // screen's OK closed it.
    void ExecutaOpcao(forms::Form* chamador, const std::string& classe, forms::Form*& tela,
                      const std::string& nomeForm, std::optional<bool> imprimeCupom = std::nullopt);

    // The number of instalments the host asked for (field 1017); -1 when it said nothing.
    static int32_t ParcelasSolicitadas();
    // At sight is offered for at most one instalment, instalment options for
    // more (or when the host said nothing).
    static bool PermiteAVista(int32_t parcelas);
    static bool PermiteParcelado(int32_t parcelas);

protected:
    // An option as a menu declares it: its design-time caption and its click.
    struct Opcao {
        const char* legenda;
        std::function<void(forms::Control&)> clique;
    };
    // The menu's options in order from spOpcao1, and the widths of the menu
    // panel and its buttons.
    void DeclaraOpcoes(int larguraPainel, int larguraBotao, std::initializer_list<Opcao> opcoes);
    // Lays out the options at run time: the title, the captions "&n - " and
    // the catalogue text of each used option (the others hidden), the close button.
    void MontaOpcoes(int32_t titulo, std::initializer_list<int32_t> mensagens);

private:
    // The timer chooses the only option; without it, no option can be chosen.
    bool umaOpcao_ = false;
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
