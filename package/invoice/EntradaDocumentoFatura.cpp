#include "invoice/EntradaDocumentoFatura.h"

#include <string>

#include "common/Conversoes.h"
#include "common/CapturaCartao.h"
#include "forms/GlyphButton.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv {

namespace {

bool EhBotao(const forms::Control* c) { return dynamic_cast<const forms::GlyphButton*>(c) != nullptr; }

}  // namespace

layout::PropsRotulo RotuloFatura() {
    return {.alinhamento = forms::Alignment::Right,
            .fonte = layout::Fonte("Arial", 12, true, layout::AZUL_MARINHO),
            .transparente = true};
}

layout::PropsRotulo LegendaFatura() {
    return {.alinhamento = forms::Alignment::Left,
            .fonte = layout::Fonte("Arial", 11, true, layout::AZUL_MARINHO),
            .transparente = true};
}

TEntradaDocumentoFatura::TEntradaDocumentoFatura(TFrmTrn_Mod& tela, const Linhas& linhas,
                                                 TBuffersCodigoBarras buffers, TEntradaCodigoBarras::Posicao posicao,
                                                 const TTiposEntradaFatura& tipos)
    : LbTpEntrada(linhas.LbTpEntrada),
      edTpEntrada(linhas.edTpEntrada),
      lbTipoEntradaMsg(linhas.lbTipoEntradaMsg),
      lbDoc(linhas.lbDoc),
      CodigoBarras(tela, buffers, posicao),
      tela_(tela),
      tipos_(tipos) {
    edTpEntrada->OnEnter = [this](forms::Control&) { edTpEntradaEnter(); };
    edTpEntrada->OnExit = [this](forms::Control&) { edTpEntradaExit(); };
    edTpEntrada->OnChange = [this](forms::Control&) { edTpEntradaChange(); };
}

void TEntradaDocumentoFatura::IniciaRotulos(int32_t legenda) {
    LbTpEntrada->SetCaption(host::Mensagem(MSG_ROTULO_TIPO_ENTRADA));
    lbDoc->SetCaption(host::Mensagem(MSG_ROTULO_DOCUMENTO));
    lbTipoEntradaMsg->SetCaption(host::Mensagem(legenda));
}

// ---- Start ---------------------------------------------------------------------------

void TEntradaDocumentoFatura::Inicia() {
    CodigoBarras.LimpaBlocoCB(TEntradaCodigoBarras::LIMPA_BLOCOS);
    CodigoBarras.LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_LINHA);

    // What the host supplied is locked.
    TValoresTela& valores = tela_.ValoresTela;
    const std::string tipo = valores.Le(CAMPO_TIPO_ENTRADA_FATURA, true);
    edTpEntrada->SetText(tipo);
    edTpEntrada->SetEnabled(Trim(tipo).empty());
    const std::string documento = valores.Le(CAMPO_DOCUMENTO_FATURA, true);
    CodigoBarras.EdDoc->SetText(documento);
    documentoDoHost_ = !Trim(documento).empty();
    CodigoBarras.EdDoc->SetEnabled(!documentoDoHost_);

    // A type the host fixed arranges the screen as the operator's choice would:
    // no document for a card, the blocks for a line still to be typed.
    if (!edTpEntrada->Enabled()) {
        if (TipoEntrada() == TIPO_CARTAO) CodigoBarras.EdDoc->SetEnabled(false);
        if (TipoEntrada() == tipos_.tipoDigitado && !documentoDoHost_)
            CodigoBarras.LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_BLOCOS_TITULO);
    }
    // The line travels with the request for this screen alone.
    valores.DoOperador(CAMPO_LINHA_DOCUMENTO);
    host::GravaCampo(CAMPO_LINHA_DOCUMENTO, "");
}

// ---- Entry type ------------------------------------------------------------------------

int TEntradaDocumentoFatura::UltimoTipo() const { return tipos_.UltimaTecla() - '0'; }

int TEntradaDocumentoFatura::TipoEntrada() const {
    const std::string tipo = Trim(edTpEntrada->Text());
    if (tipo.size() != 1 || tipo[0] < '1' || tipo[0] > '0' + UltimoTipo()) return 0;
    return tipo[0] - '0';
}

void TEntradaDocumentoFatura::edTpEntradaEnter() { tela_.MostraPrompt(tipos_.promptTipo); }

void TEntradaDocumentoFatura::edTpEntradaExit() {
    // The operator is pressing a button: the confirmation checks the type.
    if (EhBotao(tela_.ActiveControl())) return;
    const int tipo = TipoEntrada();
    if (tipo == 0) {
        Recusa(MSG_TIPO_ENTRADA_VAZIO, *edTpEntrada, true);
        return;
    }
    if (!edTpEntrada->Enabled()) return;
    forms::Edit& documento = *CodigoBarras.EdDoc;
    if (tipo == TIPO_CARTAO) {
        MostraLinhaSemDocumento();
        tela_.btConfirma->SetEnabled(true);
        tela_.btConfirma->SetFocus();
    } else if (tipo == tipos_.tipoDigitado) {
        MostraBlocos();
    } else if (tipo == tipos_.tipoLeitor) {
        CodigoBarras.LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_LINHA);
        // A card choice may have locked the box; the host's document stays locked.
        documento.SetEnabled(!documentoDoHost_);
        TrnModeloZentravela::bControlaKeyPreview = false;
        tela_.pnCaptura->SetEnabled(true);
        if (documento.CanFocus()) {
            documento.SetFocus();
        } else {
            tela_.btConfirma->SetFocus();
        }
    }
}

// A document type typed after a card opens the document box again, so the
// Enter that leaves the type reaches the document instead of the confirmation.
void TEntradaDocumentoFatura::edTpEntradaChange() {
    if (edTpEntrada->Modified() && TipoEntrada() > TIPO_CARTAO && !documentoDoHost_)
        CodigoBarras.EdDoc->SetEnabled(true);
}

void TEntradaDocumentoFatura::MostraLinhaSemDocumento() {
    CodigoBarras.LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_LINHA);
    CodigoBarras.EdDoc->SetEnabled(false);
}

void TEntradaDocumentoFatura::MostraBlocos() {
    CodigoBarras.LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_BLOCOS_TITULO);
    CodigoBarras.LimpaBlocoCB(TEntradaCodigoBarras::LIMPA_BLOCOS);
    TrnModeloZentravela::bControlaKeyPreview = false;
    tela_.pnCaptura->SetEnabled(true);
    CodigoBarras.ed_bloco1->SetFocus();
}

// ---- Confirmation ------------------------------------------------------------------------

bool TEntradaDocumentoFatura::Recusa(int32_t mensagem, forms::Edit& campo, bool destrava) {
    AvisaFatura(mensagem);
    tela_.pnCaptura->SetEnabled(true);
    if (destrava) campo.SetEnabled(true);
    if (campo.Enabled()) campo.Clear();
    if (campo.CanFocus()) {
        campo.SetFocus();
    } else {
        tela_.SelectFirst();
    }
    return false;
}

bool TEntradaDocumentoFatura::RecusaTipo() {
    return Recusa(MSG_TIPO_ENTRADA_VAZIO, *edTpEntrada, tipos_.destravaRecusado);
}

bool TEntradaDocumentoFatura::RecusaDocumento() {
    return Recusa(MSG_DOCUMENTO_VAZIO, *CodigoBarras.EdDoc, tipos_.destravaRecusado);
}

bool TEntradaDocumentoFatura::Valida() {
    const int tipo = TipoEntrada();
    // The type on screen decides: a card needs no slip, whatever blocks were
    // left half typed when the type was changed on the way to the button.
    if (tipo == TIPO_CARTAO) MostraLinhaSemDocumento();
    if (!CodigoBarras.EdDoc->Visible() && !CodigoBarras.ValidaCodigoBarrasDigitado()) return false;
    if (tipo == 0) return RecusaTipo();
    // A typed line goes through the blocks, never straight through EdDoc (the
    // type may have been changed on the way to the confirmation).
    if (tipo == tipos_.tipoDigitado && !documentoDoHost_ && !CodigoBarras.LinhaValidada()) {
        AvisaFatura(MSG_DOCUMENTO_VAZIO);
        MostraBlocos();
        return false;
    }
    if (tipo > TIPO_CARTAO && Trim(CodigoBarras.EdDoc->Text()).empty()) return RecusaDocumento();
    return true;
}

char TEntradaDocumentoFatura::CodigoTipoDocumento() const {
    const int tipo = TipoEntrada();
    if (tipo == TIPO_CARTAO) {
        const std::string modo = Trim(host::LeCampo(CAMPO_MODO_ENTRADA));
        return modo.empty() ? '\0' : modo[0];
    }
    if (tipo == tipos_.tipoDigitado) return tipos_.codigoDigitado;
    if (tipo != 0 && tipo == tipos_.tipoLeitor) return tipos_.codigoLeitor;
    return '\0';
}

bool TEntradaDocumentoFatura::GravaDocumento() {
    // Decided by what the screen found when it started: after its own first
    // write, field 1041 no longer tells the host's document from the operator's.
    if (TipoEntrada() <= TIPO_CARTAO || documentoDoHost_) return true;
    const std::string documento = Trim(CodigoBarras.EdDoc->Text());
    return tela_.ValoresTela.Grava(CAMPO_DOCUMENTO_FATURA, documento) == 0 &&
           tela_.ValoresTela.Grava(CAMPO_LINHA_DOCUMENTO, documento) == 0;
}

bool TEntradaDocumentoFatura::LeCartaoSeTipoCartao() {
    return TipoEntrada() != TIPO_CARTAO || CapturaCartao(*tela_.lbMensagem);
}

}  // namespace zv
