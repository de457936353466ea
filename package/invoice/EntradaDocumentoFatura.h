#pragma once
// How an invoice screen identifies the invoice: the entry type box (card,
// barcode read by a reader, or the slip's line typed block by block) and the
// document area it arranges (TEntradaCodigoBarras). The invoice payment and
// its cancellation each own one, made with the rows they lay out; they
// differ in the types they offer and in a few texts, told by
// TTiposEntradaFatura.
#include <cstdint>
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

    // The rows the screen lays out above the document area.
    struct Linhas {
        forms::Label* LbTpEntrada;
        forms::Edit* edTpEntrada;
        forms::Label* lbTipoEntradaMsg;
        forms::Label* lbDoc;
    };

    // Binds the type box's handlers and makes the document area with the unit's buffers.
    TEntradaDocumentoFatura(TFrmTrn_Mod& tela, const Linhas& linhas, TBuffersCodigoBarras buffers,
                            TEntradaCodigoBarras::Posicao posicao, const TTiposEntradaFatura& tipos);
    TEntradaDocumentoFatura(const TEntradaDocumentoFatura&) = delete;
    TEntradaDocumentoFatura& operator=(const TEntradaDocumentoFatura&) = delete;

    forms::Label* const LbTpEntrada;
    forms::Edit* const edTpEntrada;
    forms::Label* const lbTipoEntradaMsg;
    forms::Label* const lbDoc;
    TEntradaCodigoBarras CodigoBarras;

    // The rows' captions; the legend of the types is each screen's own message.
    void IniciaRotulos(int32_t legenda);
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
    // when a card was refused and the confirmation must not go on.
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
    TTiposEntradaFatura tipos_;
    // The host gave the document (field 1041): its box stays locked.
    bool documentoDoHost_ = false;
};

// The invoice screens' labels: Arial bold navy, transparent; the rows'
// captions right-aligned at 12 points, the legend of the types left-aligned at 11.
layout::PropsRotulo RotuloFatura();
layout::PropsRotulo LegendaFatura();

}  // namespace zv
