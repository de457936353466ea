#pragma once
// How an invoice screen identifies the invoice: the entry type box (card,
// barcode read by a reader, or the slip's line typed block by block) and the
// document area it arranges (TEntradaCodigoBarras). The invoice payment and
// its cancellation are both TTelaFatura (below) over their own model; they
// differ in the types they offer and in a few texts, told by
// TTiposEntradaFatura.
#include <cstdint>
#include <memory>
#include <string>

#include "forms/Edit.h"
#include "forms/Label.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "invoice/EntradaCodigoBarras.h"
#include "invoice/ValidacaoCodigoBarras.h"
#include "screens/LayoutTela.h"
#include "screens/TrnModeloZentravela.h"

namespace zv {

// The invoices' service code: a text entry of both invoice records.
constexpr const char* CODIGO_SERVICO_FATURA = "115";
// An entry type text of the invoice records: one character and its zero.
constexpr int TAMANHO_TIPO_ENTRADA = 2;

// The entry types of one screen. "1" is always the card.
struct TTiposEntradaFatura {
    int tipoLeitor;        // a barcode read into EdDoc; 0 when the screen has no such type
    int tipoDigitado;      // the slip's line typed block by block
    char codigoLeitor;     // what each type sends as the document entry kind
    char codigoDigitado;
    int32_t promptTipo;    // the message shown on entering the type box
    // A type or document refused at the confirmation gets its box unlocked
    // (the payment), or stays as the host locked it (the cancellation).
    bool destravaRecusado;

    // The key of the last type offered: the type box takes "1" to it.
    constexpr char UltimaTecla() const {
        return static_cast<char>('0' + (tipoLeitor > tipoDigitado ? tipoLeitor : tipoDigitado));
    }
};

class TEntradaDocumentoFatura {
public:
    static constexpr int TIPO_CARTAO = 1;

    TEntradaDocumentoFatura(TFrmTrn_Mod& tela, forms::Edit& edTpEntrada, TBuffersCodigoBarras buffers,
                            TEntradaCodigoBarras::Posicao posicao, const TTiposEntradaFatura& tipos);
    TEntradaDocumentoFatura(const TEntradaDocumentoFatura&) = delete;
    TEntradaDocumentoFatura& operator=(const TEntradaDocumentoFatura&) = delete;

    TEntradaCodigoBarras CodigoBarras;

    // Start: the blocks emptied, the line arrangement, the type and the
    // document from fields 1040 and 1041 (locked when the host gave them, the
    // screen arranged for a locked type), field 10104 emptied.
    void Inicia();
    // The type as a number from 1 to the screen's last; 0 for an empty box or
    // anything else the host may have put there.
    int TipoEntrada() const;

    void edTpEntradaEnter();
    void edTpEntradaExit();
    void edTpEntradaChange();

    // The type and the document fit for the request (after the screen's own
    // checks); a refusal has told the operator and put them back.
    bool Valida();
    // The document entry kind the request carries: for a card the entry mode
    // the reading left in field 10134 (0 when none), else the type's code.
    char CodigoTipoDocumento() const;
    // A document the operator gave goes to fields 1041 and 10104; one the
    // host gave is not written again. False when a write was refused.
    bool GravaDocumento();
    // Before the confirmation: the card is read when the type is card. False
    // when the confirmation must not go on (a card refused, or a confirmation
    // already running).
    bool LeCartaoSeTipoCartao();

private:
    int UltimoTipo() const;
    void MostraBlocos();
    // The card arrangement: EdDoc shown and locked, no blocks.
    void MostraLinhaSemDocumento();
    bool RecusaTipo();
    bool RecusaDocumento();
    bool Recusa(int32_t mensagem, forms::Edit& campo, bool destrava);

    TFrmTrn_Mod& tela_;
    forms::Edit& edTpEntrada_;
    TTiposEntradaFatura tipos_;
    // The host gave the document (field 1041): its box stays locked.
    bool documentoDoHost_ = false;
};

// The invoice screens' labels: Arial bold navy, transparent; the rows'
// captions right-aligned at 12 points, the legend of the types left-aligned at 11.
layout::PropsRotulo RotuloFatura();
layout::PropsRotulo LegendaFatura();

// An invoice screen over its model (the transaction model for the payment, the
// cancellation model for its cancellation): the rows that identify the
// invoice, and the model's confirmation with the card read first and the
// invoice checked after the model's own checks.
template <class Modelo>
class TTelaFatura : public Modelo {
public:
    forms::Label* LbTpEntrada = nullptr;
    forms::Edit* edTpEntrada = nullptr;
    forms::Label* lbTipoEntradaMsg = nullptr;
    forms::Label* lbDoc = nullptr;
    // The document area's boxes (owned by the form, arranged by Documento).
    forms::Edit* ed_bloco1 = nullptr;
    forms::Edit* ed_bloco2 = nullptr;
    forms::Edit* ed_bloco3 = nullptr;
    forms::Edit* ed_bloco4_12 = nullptr;
    forms::Edit* ed_digito = nullptr;
    forms::Edit* ed_bloco4_14 = nullptr;
    forms::Edit* EdDoc = nullptr;

    bool ValidaCamposForm() override { return Modelo::ValidaCamposForm() && Documento->Valida(); }
    void btConfirmaClick(forms::Component& sender) override {
        if (Documento->LeCartaoSeTipoCartao()) Modelo::btConfirmaClick(sender);
    }

    virtual void edTpEntradaEnter(forms::Control&) { Documento->edTpEntradaEnter(); }
    virtual void edTpEntradaExit(forms::Control&) { Documento->edTpEntradaExit(); }
    virtual void edTpEntradaChange(forms::Control&) { Documento->edTpEntradaChange(); }

    void LimpaBlocoCB(int modo) { Documento->CodigoBarras.LimpaBlocoCB(modo); }
    bool ValidaCodigoBarrasDigitado() { return Documento->CodigoBarras.ValidaCodigoBarrasDigitado(); }

protected:
    explicit TTelaFatura(std::string name) : Modelo(std::move(name)) {}

    // Once the screen has laid out its labels and type box: the type box's
    // handlers bound, the document area made with the unit's buffers.
    void CriaDocumento(TBuffersCodigoBarras buffers, TEntradaCodigoBarras::Posicao posicao,
                       const TTiposEntradaFatura& tipos) {
        edTpEntrada->OnEnter = [this](forms::Control& s) { edTpEntradaEnter(s); };
        edTpEntrada->OnExit = [this](forms::Control& s) { edTpEntradaExit(s); };
        edTpEntrada->OnChange = [this](forms::Control& s) { edTpEntradaChange(s); };
        Documento = std::make_unique<TEntradaDocumentoFatura>(*this, *edTpEntrada, buffers, posicao, tipos);
        const TEntradaCodigoBarras& cb = Documento->CodigoBarras;
        ed_bloco1 = cb.ed_bloco1;
        ed_bloco2 = cb.ed_bloco2;
        ed_bloco3 = cb.ed_bloco3;
        ed_bloco4_12 = cb.ed_bloco4_12;
        ed_digito = cb.ed_digito;
        ed_bloco4_14 = cb.ed_bloco4_14;
        EdDoc = cb.EdDoc;
    }
    // The rows' captions; the legend of the types is each screen's own message.
    void IniciaRotulos(int32_t legenda) {
        LbTpEntrada->SetCaption(host::Mensagem(MSG_ROTULO_TIPO_ENTRADA));
        lbDoc->SetCaption(host::Mensagem(MSG_ROTULO_DOCUMENTO));
        lbTipoEntradaMsg->SetCaption(host::Mensagem(legenda));
    }

    std::unique_ptr<TEntradaDocumentoFatura> Documento;
};

}  // namespace zv
