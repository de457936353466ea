#pragma once
// The model of every screen that captures one card transaction: amount entry,
// Enter handling, automatic confirmation and the confirm sequence.
#include <cstdint>
#include <string>

#include "forms/Component.h"
#include "forms/Timer.h"
#include "forms/Types.h"
#include "screens/ModeloZentravela.h"
#include "screens/SequenciaConfirma.h"
#include "screens/ValoresTela.h"

namespace zv {

class TFrmTrn_Mod : public TFrmMod {
public:
    explicit TFrmTrn_Mod(std::string name = "FrmTrn_Mod");

    forms::Panel* pnCaptura = nullptr;
    forms::Label* lbValor = nullptr;
    forms::Edit* edValor = nullptr;
    forms::Panel* pnBotoes = nullptr;
    forms::GlyphButton* btConfirma = nullptr;
    forms::GlyphButton* btRetorna = nullptr;
    forms::Timer* TClique = nullptr;

    bool bPermiteAlterarDados = false;
    bool bSemValor = false;
    // Whose the values the screen read at its start are; the screen's boxes
    // that show a field write it back through here.
    TValoresTela ValoresTela;
    // The confirm sequence: the consultations run their own steps through it.
    TSequenciaConfirma Confirmacao{*this};

    // Slots of the base screen the model fills in.
    bool GravaCamposFosdal() override;
    void IniciaCamposForm() override;
    // Slots added by the model, in order.
    virtual bool ValidaCamposForm();
    virtual bool VerificaAutorizaTransacao();
    virtual bool VerificaSeCapturaDadosAdicionais();
    virtual bool TrataRespostaTransacao();
    // The screen's step before the confirmation locks it (the invoice card
    // read, the withdrawal's PIN mode); false stops the confirmation.
    virtual bool PreparaConfirmacao();

    // Event handlers. btConfirmaClick takes the button or the timer as sender.
    virtual void btRetornaClick(forms::Control& sender);
    virtual void btConfirmaClick(forms::Component& sender);
    virtual void btConfirmaEnter(forms::Control& sender);
    virtual void btRetornaEnter(forms::Control& sender);
    virtual void edValorEnter(forms::Control& sender);
    void FormShow(forms::Form& sender) override;
    virtual void edValorChange(forms::Control& sender);
    virtual void TCliqueTimer(forms::Timer& sender);
    virtual void FormActivate(forms::Form& sender);

    // The dynamic questions step of the confirm sequence.
    bool VerificaTrataCamposPerguntas();
    // A confirmation stopped and the screen stays: what the operator typed is
    // taken back from the field store and the message line no longer says to
    // wait, but shows the prompt of the control that has the focus.
    void ConfirmacaoInterrompida();
    // Writes "0" to field 10172; true when stored.
    bool DesabilitaProcessaCartao();

protected:
    // The box of a refused input: topmost, exclamation icon.
    static constexpr uint32_t MB_VALIDACAO = forms::MB_TOPMOST | forms::MB_ICONEXCLAMATION;

    // Tells the operator why the confirmation was refused (a box captioned
    // with the application title) and puts them back: the capture panel
    // enabled, the offending box emptied and focused while it is enabled,
    // else the first control focused. Always false, the answer of the check
    // that failed.
    bool Recusa(const std::string& texto, uint32_t flags, forms::Edit* campo = nullptr);
};

// A box the host's service flags ask for: its label captioned with the
// catalogue text, both enabled, the box emptied.
void HabilitaCaixa(forms::Label& rotulo, forms::Edit& caixa, int32_t legenda);

}  // namespace zv

namespace zv::TrnModeloZentravela {
constexpr int CA_LITROS_SIZE = 21;
// The fuel litres text, zero-terminated; never more than 21 bytes.
extern char caLitros[CA_LITROS_SIZE];
// While true an Enter key the form sees moves the focus on.
extern bool bControlaKeyPreview;

// Keeps only the fuel-control fields the host asked for; builds caLitros.
void TrataCamposFuelControl();

void Initialization();
void Finalization();
}  // namespace zv::TrnModeloZentravela
