#pragma once
// How an invoice screen identifies the invoice: the entry type box (card,
// barcode read by a reader, or the slip's line typed block by block) and the
// document area it arranges (TEntradaCodigoBarras). The invoice payment and
// its cancellation own one each; they differ in the types they offer and in
// a few texts, told here by TTiposEntradaFatura.
//
// The screen creates its type box and the labels (its own layout), then this
// with its unit's buffers; its handlers of the type box call the ones here.
#include <cstdint>
#include <memory>

#include "LayoutTela.h"
#include "TrnModeloZentravela.h"
#include "forms/Edit.h"
#include "forms/Label.h"
#include "invoice/EntradaCodigoBarras.h"
#include "invoice/ValidacaoCodigoBarras.h"

namespace zv {

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
    void edTpEntradaKeyPress(char& key);
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
    bool RecusaTipo();
    bool RecusaDocumento();
    bool Recusa(int32_t mensagem, forms::Edit& campo, bool destrava);

    TFrmTrn_Mod& tela_;
    forms::Edit& edTpEntrada_;
    TTiposEntradaFatura tipos_;
    // The host gave the document (field 1041): its box stays locked.
    bool documentoDoHost_ = false;
};

// A label of an invoice screen: Arial bold navy, transparent, in the capture panel.
forms::Label& RotuloFatura(TFrmTrn_Mod& tela, const char* nome, layout::Limites limites, const char* legenda,
                           forms::Alignment alinhamento, int pontos);

}  // namespace zv
