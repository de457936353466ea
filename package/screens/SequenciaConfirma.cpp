#include "screens/SequenciaConfirma.h"

#include <exception>

#include "forms/Application.h"
#include "host/Catalogo.h"
#include "screens/TrnModeloZentravela.h"

namespace zv {

void TSequenciaConfirma::Trava() {
    ocupada_ = true;
    TrnModeloZentravela::bControlaKeyPreview = false;
    tela_.pnCaptura->SetEnabled(false);
    tela_.btConfirma->SetEnabled(false);
    tela_.btRetorna->SetEnabled(false);
    tela_.MostraPrompt(MSG_AGUARDE);
    forms::Application::Instance().ProcessMessages();
}

void TSequenciaConfirma::Destrava() {
    tela_.pnCaptura->SetEnabled(true);
    tela_.btConfirma->SetEnabled(true);
    tela_.btRetorna->SetEnabled(true);
    ocupada_ = false;
}

bool TSequenciaConfirma::Prepara() {
    // Free again whatever the step does, also when an error escapes it.
    struct Libera {
        bool& marca;
        ~Libera() { marca = false; }
    } libera{ocupada_};
    ocupada_ = true;
    return tela_.PreparaConfirmacao();
}

TSequenciaConfirma::TRodada::TRodada(TSequenciaConfirma& sequencia)
    : sequencia_(sequencia), iniciada_(!sequencia.Ocupada()), excecoes_(std::uncaught_exceptions()) {
    if (iniciada_) sequencia_.Trava();
}

TSequenciaConfirma::TRodada::~TRodada() noexcept(false) {
    if (!iniciada_ || pedidoEnviado_) return;
    TFrmTrn_Mod& tela = sequencia_.tela_;
    if (tela.ModalResult() != forms::mrNone) return;
    sequencia_.Destrava();
    if (std::uncaught_exceptions() == excecoes_) tela.ConfirmacaoInterrompida();
}

}  // namespace zv
