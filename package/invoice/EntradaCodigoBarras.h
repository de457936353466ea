#pragma once
// The document area of an invoice screen: the printed line of a payment slip
// typed block by block (título or convênio, chosen by the first digit), and
// the box EdDoc that shows a reader's barcode or the validated typed line. The
// blocks and EdDoc share one row; one arrangement is visible at a time.
//
// An invoice screen's document entry owns one, made after the boxes that
// come before the row in tab order, with the screen's unit's buffers:
//
//   CodigoBarras(tela, TBuffersCodigoBarras{CodigoBarrasDigitado, CodigoBarrasLido},
//                TEntradaCodigoBarras::Posicao{118, 179, 4})
//
// The box handlers (block completion, kind choice, digit filters, prompts,
// the fourth blocks' exit) are bound here; the screen keeps the entry type.
#include <cstdint>
#include <string>

#include "forms/Edit.h"
#include "invoice/ValidacaoCodigoBarras.h"
#include "screens/TrnModeloZentravela.h"

namespace zv {

// Tells the operator why an invoice's document was refused: a topmost box
// with the catalogue text.
void AvisaFatura(int32_t mensagem);

class TEntradaCodigoBarras {
public:
    // Where the row starts inside the capture panel, and the tab order of ed_bloco1.
    struct Posicao {
        int esquerda;
        int topo;
        int ordemTab;
    };
    // Arrangements of LimpaBlocoCB.
    static constexpr int LIMPA_BLOCOS = 0;
    static constexpr int MOSTRA_LINHA = 1;
    static constexpr int MOSTRA_BLOCOS_TITULO = 2;

    TEntradaCodigoBarras(TFrmTrn_Mod& tela, TBuffersCodigoBarras buffers, Posicao posicao);
    TEntradaCodigoBarras(const TEntradaCodigoBarras&) = delete;
    TEntradaCodigoBarras& operator=(const TEntradaCodigoBarras&) = delete;

    forms::Edit* ed_bloco1 = nullptr;
    forms::Edit* ed_bloco2 = nullptr;
    forms::Edit* ed_bloco3 = nullptr;
    forms::Edit* ed_bloco4_12 = nullptr;
    forms::Edit* ed_digito = nullptr;
    forms::Edit* ed_bloco4_14 = nullptr;
    forms::Edit* EdDoc = nullptr;

    // 0 empties the six blocks, 1 shows EdDoc alone, 2 shows the título
    // blocks; any other value does nothing.
    void LimpaBlocoCB(int modo);
    // Assembles the typed line, checks it and, when right, puts it in EdDoc
    // and shows the line arrangement; when wrong, tells the operator and puts
    // them back on the blocks.
    bool ValidaCodigoBarrasDigitado();
    // EdDoc shows the line that the last validation accepted, unchanged.
    bool LinhaValidada() const;

    void ed_bloco1Change(forms::Control& sender);
    void ed_bloco2Change(forms::Control& sender);
    void ed_bloco3Change(forms::Control& sender);
    void ed_bloco1KeyPress(forms::Control& sender, char& key);
    void ed_digitoKeyPress(forms::Control& sender, char& key);
    void ed_bloco1Enter(forms::Control& sender);
    void ed_bloco2Enter(forms::Control& sender);
    void ed_bloco3Enter(forms::Control& sender);
    void ed_digitoEnter(forms::Control& sender);
    void ed_bloco4_12Enter(forms::Control& sender);
    void ed_bloco4_14Enter(forms::Control& sender);
    void ed_bloco4_12Exit(forms::Control& sender);
    void ed_bloco4_14Exit(forms::Control& sender);

private:
    bool EhConvenio() const { return !ed_digito->Visible(); }
    void EscolheTipo(bool convenio);
    // A completed block: on to `proximo` when its check digit is right.
    void BlocoCompleto(forms::Edit& bloco, int32_t mensagem, forms::Edit& proximo);
    // A whole block's own check digit, by the modulus of the kind of slip.
    bool DigitoDoBlocoCorreto(const std::string& texto) const;
    // Every whole block's check digit right; otherwise the first wrong one is refused.
    bool DigitosDosBlocosCorretos();
    bool RecusaBloco(forms::Edit& bloco, int32_t mensagem);
    bool RecusaDigitoGeral();
    void Prompt();
    void QuartoBlocoSaindo();

    TFrmTrn_Mod& tela_;
    TBuffersCodigoBarras buffers_;
    std::string linhaValidada_;
};

}  // namespace zv
