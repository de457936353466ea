#pragma once
// The screen of the host's dynamic questions: one masked edit per question,
// answers validated and written to field 10278 as one list.
#include <array>
#include <cstdint>
#include <string>

#include "forms/MaskEdit.h"
#include "screens/ModeloZentravela.h"

namespace zv {

class TFrmCap_Perg : public TFrmMod {
public:
    static constexpr int MAX_VISIVEIS = 5;
    static constexpr int MAX_EDITS = 10;

    explicit TFrmCap_Perg(std::string name = "FrmCap_Perg");

    forms::Panel* pnCaptura = nullptr;
    // lbPergunta1..10 and edPergunta1..10 (index 0 is question 1).
    std::array<forms::Label*, MAX_EDITS> lbPergunta{};
    std::array<forms::MaskEdit*, MAX_EDITS> edPergunta{};
    forms::Panel* pnBotoes = nullptr;
    forms::GlyphButton* btConfirma = nullptr;
    forms::GlyphButton* btRetorna = nullptr;
    // Set when the answers could not be handed over and the client was told
    // so: the screen closes with 1 then too, but the operation has ended.
    bool bErroInformado = false;

    void IniciaCamposForm() override;
    void PreparaCamposColetaPerguntas();
    bool ValidaCamposForm();
    bool ValidaPerguntasDinamicas();
    bool GravaRespostasPerguntasDinamicas();
    bool ValidaDataPerguntaDinamica(const std::string& nomeEdit, const std::string& texto);

    // Event handlers.
    void FormCreate(forms::Form& sender) override;
    void FormShow(forms::Form& sender) override;
    virtual void btConfirmaClick(forms::Control& sender);
    virtual void btRetornaClick(forms::Control& sender);
    virtual void btConfirmaEnter(forms::Control& sender);
    virtual void btRetornaEnter(forms::Control& sender);
    virtual void edPergunta1Enter(forms::Control& sender);
    virtual void edPergunta1KeyPress(forms::Control& sender, char& key);
    static char RespostaAceita(const forms::Control& sender, char key);
};

}  // namespace zv

namespace zv::CapturaPerguntasZentravela {
constexpr int RESPOSTAS_SIZE = 4096;
// While true an Enter key the form sees moves the focus on.
extern bool bControlaKeyPreview;
extern forms::Form* FrmCap_Perg;

// Applies a question's type code to its edit: mask and hidden input.
void FormataMascara(int32_t tipo, forms::MaskEdit& edit);
// A type code of the masked range (10000 to 19999) with a hundreds digit
// other than 0 asks for an answer.
bool RespostaObrigatoria(int32_t tipo);

void Initialization();
void Finalization();
}  // namespace zv::CapturaPerguntasZentravela
