#include "invoice/EntradaCodigoBarras.h"

#include <string>

#include "common/Conversoes.h"
#include "common/ZentravelaMain.h"
#include "forms/GlyphButton.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/Aceita.h"
#include "screens/LayoutTela.h"

namespace zv {

namespace {

// Block lengths of each kind of slip (the boxes' MaxLength).
constexpr int BLOCO1_TITULO = 10;
constexpr int BLOCO_TITULO = 11;
constexpr int BLOCO4_TITULO = 14;
// A box that holds no block of the kind on screen: never a whole one.
constexpr int SEM_BLOCO = -1;

std::string ZerosEsquerda(const std::string& texto, size_t largura) {
    return texto.size() >= largura ? texto : std::string(largura - texto.size(), '0') + texto;
}

}  // namespace

void AvisaFatura(int32_t mensagem) { CaixaMensagem(host::Mensagem(mensagem), forms::MB_TOPMOST); }

TEntradaCodigoBarras::TEntradaCodigoBarras(TFrmTrn_Mod& tela, TBuffersCodigoBarras buffers, Posicao p)
    : tela_(tela), buffers_(buffers) {
    // One row: the blocks of either kind, or EdDoc over the same place.
    using namespace layout;
    const int x = p.esquerda, y = p.topo;
    const forms::Font courier = Fonte("Courier New", 13);
    // The blocks wait hidden and take digits only.
    const auto bloco = [&](int ordem, int tamanho) {
        return PropsEdicao{.ordemTab = p.ordemTab + ordem, .tamanhoMax = tamanho, .aceita = aceita::Digitos(),
                           .fonte = courier, .visivel = false};
    };
    forms::Control* const pai = tela.pnCaptura;
    ed_bloco1    = &Edicao(tela, pai, "ed_bloco1",    {x,       y, 104, 24}, bloco(0, BLOCO_CONVENIO));
    ed_bloco2    = &Edicao(tela, pai, "ed_bloco2",    {x + 108, y, 104, 24}, bloco(1, BLOCO_CONVENIO));
    ed_bloco3    = &Edicao(tela, pai, "ed_bloco3",    {x + 216, y, 104, 24}, bloco(2, BLOCO_CONVENIO));
    ed_bloco4_12 = &Edicao(tela, pai, "ed_bloco4_12", {x + 324, y, 104, 24}, bloco(3, BLOCO_CONVENIO));
    ed_digito    = &Edicao(tela, pai, "ed_digito",    {x + 324, y, 16,  24}, bloco(4, 1));
    ed_bloco4_14 = &Edicao(tela, pai, "ed_bloco4_14", {x + 344, y, 115, 24}, bloco(5, BLOCO4_TITULO));
    EdDoc        = &Edicao(tela, pai, "EdDoc",        {x,       y, 459, 24},
                           {.ordemTab = p.ordemTab + 6, .tamanhoMax = 48, .fonte = courier});

    ed_bloco1->OnChange = [this](forms::Control& s) { ed_bloco1Change(s); };
    ed_bloco2->OnChange = [this](forms::Control& s) { ed_bloco2Change(s); };
    ed_bloco3->OnChange = [this](forms::Control& s) { ed_bloco3Change(s); };
    ed_bloco1->OnKeyPress = [this](forms::Control& s, char& k) { ed_bloco1KeyPress(s, k); };
    ed_digito->OnKeyPress = [this](forms::Control& s, char& k) { ed_digitoKeyPress(s, k); };
    ed_bloco1->OnEnter = [this](forms::Control& s) { ed_bloco1Enter(s); };
    ed_bloco2->OnEnter = [this](forms::Control& s) { ed_bloco2Enter(s); };
    ed_bloco3->OnEnter = [this](forms::Control& s) { ed_bloco3Enter(s); };
    ed_digito->OnEnter = [this](forms::Control& s) { ed_digitoEnter(s); };
    ed_bloco4_12->OnEnter = [this](forms::Control& s) { ed_bloco4_12Enter(s); };
    ed_bloco4_14->OnEnter = [this](forms::Control& s) { ed_bloco4_14Enter(s); };
    ed_bloco4_12->OnExit = [this](forms::Control& s) { ed_bloco4_12Exit(s); };
    ed_bloco4_14->OnExit = [this](forms::Control& s) { ed_bloco4_14Exit(s); };
}

// ---- Arrangement ---------------------------------------------------------------

void TEntradaCodigoBarras::LimpaBlocoCB(int modo) {
    switch (modo) {
        case LIMPA_BLOCOS:
            linhaValidada_.clear();
            for (forms::Edit* bloco : {ed_bloco1, ed_bloco2, ed_bloco3, ed_bloco4_12, ed_bloco4_14, ed_digito})
                bloco->Clear();
            break;
        case MOSTRA_LINHA:
            EdDoc->Show();
            for (forms::Edit* bloco : {ed_bloco1, ed_bloco2, ed_bloco3, ed_bloco4_12, ed_digito, ed_bloco4_14})
                bloco->Hide();
            break;
        case MOSTRA_BLOCOS_TITULO:
            EdDoc->Hide();
            for (forms::Edit* bloco : {ed_bloco1, ed_bloco2, ed_bloco3, ed_digito, ed_bloco4_14}) bloco->Show();
            ed_bloco4_12->Hide();
            break;
        default:
            break;
    }
}

// The first digit of block 1 tells the kind of slip; what is already typed stays.
void TEntradaCodigoBarras::EscolheTipo(bool convenio) {
    if (convenio) {
        for (forms::Edit* bloco : {ed_bloco1, ed_bloco2, ed_bloco3, ed_bloco4_12}) bloco->SetMaxLength(BLOCO_CONVENIO);
    } else {
        ed_bloco1->SetMaxLength(BLOCO1_TITULO);
        ed_bloco2->SetMaxLength(BLOCO_TITULO);
        ed_bloco3->SetMaxLength(BLOCO_TITULO);
        ed_bloco4_14->SetMaxLength(BLOCO4_TITULO);
    }
    ed_bloco4_14->SetVisible(!convenio);
    ed_digito->SetVisible(!convenio);
    ed_bloco4_12->SetVisible(convenio);
}

// ---- Validation of the whole line -------------------------------------------------

bool TEntradaCodigoBarras::ValidaCodigoBarrasDigitado() {
    const bool convenio = EhConvenio();
    if (convenio && ed_bloco1->Text().starts_with('8') && ed_bloco4_12->Text().size() < BLOCO_CONVENIO)
        return RecusaBloco(*ed_bloco4_12, MSG_BLOCO4_CONVENIO_CURTO);
    if (!DigitosDosBlocosCorretos()) return false;

    std::string linha = ed_bloco1->Text() + ed_bloco2->Text() + ed_bloco3->Text();
    std::string exibida = linha;
    if (convenio) {
        linha += ed_bloco4_12->Text();
        if (!ValidaCodigoBarrasCompletoConvenio(linha)) return RecusaDigitoGeral();
        exibida = linha;
    } else {
        // A short amount block counts as if typed with its leading zeros; the
        // operator sees it as typed.
        const std::string bloco4 = Trim(ed_bloco4_14->Text());
        const std::string digito = ed_digito->Text();
        linha += digito + (bloco4.empty() ? bloco4 : ZerosEsquerda(bloco4, BLOCO4_TITULO));
        exibida += digito + bloco4;
        if (digito.size() != 1 || !ValidaCodigoBarrasCompletoTitulo(linha, buffers_)) return RecusaDigitoGeral();
    }
    LimpaBlocoCB(MOSTRA_LINHA);
    EdDoc->SetText(exibida);
    linhaValidada_ = exibida;
    // A validated line is changed by typing it again, never in EdDoc itself.
    EdDoc->SetEnabled(false);
    return true;
}

bool TEntradaCodigoBarras::LinhaValidada() const {
    return EdDoc->Visible() && !linhaValidada_.empty() && EdDoc->Text() == linhaValidada_;
}

bool TEntradaCodigoBarras::DigitoDoBlocoCorreto(const std::string& texto) const {
    const int tamanho = static_cast<int>(texto.size());
    if (!EhConvenio()) return ValidaModulo10(texto, tamanho, tamanho);
    const std::string& primeiro = ed_bloco1->Text();
    return ValidaDigitoConvenio(texto, tamanho, tamanho, primeiro.size() > 2 ? primeiro[2] : '0');
}

// A block whose own check digit is wrong is named, emptied and typed again; it
// can reach the confirmation only when it was never completed by typing (the
// fourth convênio block, or a block of the other kind). A block of another
// length is the general digit's to judge, and stays as typed.
bool TEntradaCodigoBarras::DigitosDosBlocosCorretos() {
    const bool convenio = EhConvenio();
    struct Bloco {
        forms::Edit* caixa;
        int tamanho;
        int32_t mensagem;
    };
    const Bloco blocos[] = {
        {ed_bloco1, convenio ? BLOCO_CONVENIO : BLOCO1_TITULO, MSG_BLOCO1_INVALIDO},
        {ed_bloco2, convenio ? BLOCO_CONVENIO : BLOCO_TITULO, MSG_BLOCO2_INVALIDO},
        {ed_bloco3, convenio ? BLOCO_CONVENIO : BLOCO_TITULO, MSG_BLOCO3_INVALIDO},
        {ed_bloco4_12, convenio ? BLOCO_CONVENIO : SEM_BLOCO, MSG_BLOCO4_INVALIDO},
    };
    for (const Bloco& b : blocos) {
        const std::string texto = b.caixa->Text();
        if (static_cast<int>(texto.size()) == b.tamanho && !DigitoDoBlocoCorreto(texto))
            return RecusaBloco(*b.caixa, b.mensagem);
    }
    return true;
}

bool TEntradaCodigoBarras::RecusaBloco(forms::Edit& bloco, int32_t mensagem) {
    AvisaFatura(mensagem);
    tela_.pnCaptura->SetEnabled(true);
    bloco.Clear();
    bloco.SetFocus();
    return false;
}

// The blocks come back as a título, contents kept, until block 1 chooses again.
bool TEntradaCodigoBarras::RecusaDigitoGeral() {
    AvisaFatura(MSG_DIGITO_GERAL_INVALIDO);
    LimpaBlocoCB(MOSTRA_BLOCOS_TITULO);
    tela_.pnCaptura->SetEnabled(true);
    tela_.btConfirma->SetEnabled(true);
    tela_.btRetorna->SetEnabled(true);
    ed_bloco1->SetFocus();
    return false;
}

// ---- Block completion --------------------------------------------------------------

void TEntradaCodigoBarras::BlocoCompleto(forms::Edit& bloco, int32_t mensagem, forms::Edit& proximo) {
    // Only what the operator typed, and only once the block is full.
    const std::string texto = bloco.Text();
    if (!bloco.Modified() || static_cast<int>(texto.size()) != bloco.MaxLength()) return;
    if (DigitoDoBlocoCorreto(texto)) {
        proximo.SetFocus();
    } else {
        RecusaBloco(bloco, mensagem);
    }
}

void TEntradaCodigoBarras::ed_bloco1Change(forms::Control&) {
    BlocoCompleto(*ed_bloco1, MSG_BLOCO1_INVALIDO, *ed_bloco2);
}

void TEntradaCodigoBarras::ed_bloco2Change(forms::Control&) {
    BlocoCompleto(*ed_bloco2, MSG_BLOCO2_INVALIDO, *ed_bloco3);
}

void TEntradaCodigoBarras::ed_bloco3Change(forms::Control&) {
    BlocoCompleto(*ed_bloco3, MSG_BLOCO3_INVALIDO, ed_bloco4_12->Visible() ? *ed_bloco4_12 : *ed_digito);
}

// ---- Keys --------------------------------------------------------------------------

void TEntradaCodigoBarras::ed_bloco1KeyPress(forms::Control&, char& key) {
    // Only a digit that becomes the first character chooses the kind:
    // Backspace or Enter leaves the arrangement as it is.
    if (key >= '0' && key <= '9' && ed_bloco1->SelStart() == 0) EscolheTipo(key == '8');
}

// One key in the general check digit box, and on to the amount block.
void TEntradaCodigoBarras::ed_digitoKeyPress(forms::Control&, char&) {
    ed_bloco4_14->SetFocus();
}

// ---- Prompts and the way out -------------------------------------------------------

void TEntradaCodigoBarras::Prompt() { tela_.MostraPrompt(MSG_PROMPT_BLOCO_CODIGO_BARRAS); }

void TEntradaCodigoBarras::ed_bloco1Enter(forms::Control&) { Prompt(); }
void TEntradaCodigoBarras::ed_bloco2Enter(forms::Control&) { Prompt(); }
void TEntradaCodigoBarras::ed_bloco3Enter(forms::Control&) { Prompt(); }
void TEntradaCodigoBarras::ed_digitoEnter(forms::Control&) { Prompt(); }
void TEntradaCodigoBarras::ed_bloco4_12Enter(forms::Control&) { Prompt(); }
void TEntradaCodigoBarras::ed_bloco4_14Enter(forms::Control&) { Prompt(); }

// On the way to the confirmation the operator learns at once whether the line
// is right (the confirmation checks it again). Going to the return button
// checks nothing: a wrong line must not keep the operator from leaving.
void TEntradaCodigoBarras::QuartoBlocoSaindo() {
    if (tela_.ActiveControl() == tela_.btConfirma) ValidaCodigoBarrasDigitado();
}

void TEntradaCodigoBarras::ed_bloco4_12Exit(forms::Control&) { QuartoBlocoSaindo(); }
void TEntradaCodigoBarras::ed_bloco4_14Exit(forms::Control&) { QuartoBlocoSaindo(); }

}  // namespace zv
