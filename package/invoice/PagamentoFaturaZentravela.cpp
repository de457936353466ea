#include "invoice/PagamentoFaturaZentravela.h"

#include <cstring>

#include "Catalogo.h"
#include "Conversoes.h"
#include "HostCalls.h"
#include "RegistroTransacao.h"
#include "ZentravelaMain.h"
#include "forms/Application.h"
#include "forms/GlyphButton.h"

namespace zv::PagamentoFaturaZentravela {

using namespace registro;

char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA] = {};
char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA] = {};
char CodigoBarrasDigitado[TAMANHO_LINHA_TITULO] = {};
char CodigoBarrasLido[TAMANHO_CODIGO_BARRAS] = {};

alignas(4) constinit const ZvTrnRecord TrnPagamentoFatura = Registro(64, 1, {
    Campo(10112), Campo(10171), Texto("115"), CampoAttr2(1003, 4), Texto(TipoEntradaDocumento),
    Campo(10104), Campo(10147), CampoAttr3(10174, 255), CampoAttr3(10175, 255), CampoAttr3(10176, 255),
    Campo(10294),
});

forms::Form* FrmPag_Trn = nullptr;

namespace {
void ZeraUnidade() {
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    std::memset(TipoEntradaCheque, 0, sizeof TipoEntradaCheque);
    std::memset(CodigoBarrasDigitado, 0, sizeof CodigoBarrasDigitado);
    std::memset(CodigoBarrasLido, 0, sizeof CodigoBarrasLido);
    FrmPag_Trn = nullptr;
}
}  // namespace

void Initialization() {
    ZeraUnidade();
    RegistraClasseTela("TFrmPag_Trn",
                       []() -> forms::Form* { return forms::Application::Instance().Create<TFrmPag_Trn>(); });
}

void Finalization() {
    RemoveClasseTela("TFrmPag_Trn");
    ZeraUnidade();
}

}  // namespace zv::PagamentoFaturaZentravela

namespace zv {

using namespace PagamentoFaturaZentravela;
using TrnModeloZentravela::bControlaKeyPreview;

namespace {

constexpr forms::Color AZUL_MARINHO = 0x00800000;
constexpr int TIPO_CARTAO = 1;
constexpr int TIPO_LEITOR = 2;
constexpr int TIPO_DIGITADO = 3;

forms::Font Arial(int pontos, bool negrito) {
    forms::Font f;
    f.name = "Arial";
    f.size = pontos;
    f.bold = negrito;
    f.color = AZUL_MARINHO;
    return f;
}

forms::Label& Rotulo(TFrmTrn_Mod& tela, const char* nome, int esquerda, int topo, int largura, const char* legenda,
                     forms::Alignment alinhamento, int pontos) {
    auto& rotulo = tela.Add<forms::Label>(nome, tela.pnCaptura);
    rotulo.SetBounds(esquerda, topo, largura, 20);
    rotulo.SetAlignment(alinhamento);
    rotulo.SetFont(Arial(pontos, true));
    rotulo.SetTransparent(true);
    rotulo.SetCaption(legenda);
    return rotulo;
}

bool EhBotao(const forms::Control* c) { return dynamic_cast<const forms::GlyphButton*>(c) != nullptr; }

void Avisa(int32_t mensagem) { CaixaMensagem(host::Mensagem(mensagem), forms::MB_TOPMOST); }

}  // namespace

TFrmPag_Trn::TFrmPag_Trn(std::string name) : TFrmTrn_Mod(std::move(name)) {
    SetCaption(Name());
    lbTitulo->SetCaption("PAGAMENTO DE FATURA");
    constexpr auto DIREITA = forms::Alignment::Right;
    constexpr auto ESQUERDA = forms::Alignment::Left;

    lbValor->SetBounds(68, 20, 36, 20);
    edValor->SetBounds(110, 16, 150, 26);
    LbTpEntrada      = &Rotulo(*this, "LbTpEntrada",      4,   60, 140, "Tipo de entrada:", DIREITA, 12);
    lbTipoEntradaMsg = &Rotulo(*this, "lbTipoEntradaMsg", 192, 60, 380,
                               "<1> Cart\xE3o, <2> Cod.Barras Lido ou <3>Cod.Barras Digitado.", ESQUERDA, 11);
    lbDoc            = &Rotulo(*this, "lbDoc",            4,   100, 100, "Documento:", DIREITA, 12);

    edTpEntrada = &Add<forms::Edit>("edTpEntrada", pnCaptura);
    edTpEntrada->SetBounds(150, 56, 33, 24);
    edTpEntrada->SetMaxLength(1);
    edTpEntrada->SetTabOrder(1);
    edTpEntrada->OnEnter = [this](forms::Control& s) { edTpEntradaEnter(s); };
    edTpEntrada->OnExit = [this](forms::Control& s) { edTpEntradaExit(s); };
    edTpEntrada->OnKeyPress = [this](forms::Control& s, char& k) { edTpEntradaKeyPress(s, k); };
    edTpEntrada->OnChange = [this](forms::Control& s) { edTpEntradaChange(s); };

    CodigoBarras = std::make_unique<TEntradaCodigoBarras>(
        *this, TBuffersCodigoBarras{CodigoBarrasDigitado, CodigoBarrasLido}, TEntradaCodigoBarras::Posicao{110, 96, 2});
    ed_bloco1 = CodigoBarras->ed_bloco1;
    ed_bloco2 = CodigoBarras->ed_bloco2;
    ed_bloco3 = CodigoBarras->ed_bloco3;
    ed_bloco4_12 = CodigoBarras->ed_bloco4_12;
    ed_digito = CodigoBarras->ed_digito;
    ed_bloco4_14 = CodigoBarras->ed_bloco4_14;
    EdDoc = CodigoBarras->EdDoc;
}

// ---- Start --------------------------------------------------------------------------

void TFrmPag_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_PAGAMENTO_FATURA));
    LbTpEntrada->SetCaption(host::Mensagem(MSG_ROTULO_TIPO_ENTRADA));
    lbDoc->SetCaption(host::Mensagem(MSG_ROTULO_DOCUMENTO));
    lbTipoEntradaMsg->SetCaption(host::Mensagem(MSG_LEGENDA_TIPO_ENTRADA_FATURA));

    LimpaBlocoCB(TEntradaCodigoBarras::LIMPA_BLOCOS);
    LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_LINHA);
    bPermiteAlterarDados = PermiteAlterarDados() != 0;

    // What the host supplied is locked.
    const std::string tipo = host::LeCampo(CAMPO_TIPO_ENTRADA_FATURA);
    edTpEntrada->SetText(tipo);
    edTpEntrada->SetEnabled(Trim(tipo).empty());
    const std::string documento = host::LeCampo(CAMPO_DOCUMENTO_FATURA);
    EdDoc->SetText(documento);
    bDocumentoDoHost = !Trim(documento).empty();
    EdDoc->SetEnabled(!bDocumentoDoHost);

    // A type the host fixed arranges the screen as the operator's choice would:
    // no document for a card, the blocks for a line still to be typed.
    if (!edTpEntrada->Enabled()) {
        if (TipoEntrada() == TIPO_CARTAO) EdDoc->SetEnabled(false);
        if (TipoEntrada() == TIPO_DIGITADO && !bDocumentoDoHost) LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_BLOCOS_TITULO);
    }

    Transacao = &TrnPagamentoFatura;
    std::memset(TipoEntradaCheque, 0, sizeof TipoEntradaCheque);
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    host::GravaCampo(CAMPO_LINHA_DOCUMENTO, "");
}

// ---- Entry type -------------------------------------------------------------------------

int TFrmPag_Trn::TipoEntrada() const {
    const std::string tipo = Trim(edTpEntrada->Text());
    if (tipo.size() != 1 || tipo[0] < '1' || tipo[0] > '3') return 0;
    return tipo[0] - '0';
}

void TFrmPag_Trn::edTpEntradaEnter(forms::Control&) {
    lbMensagem->SetVisible(true);
    lbMensagem->SetCaption(host::Mensagem(MSG_PROMPT_TIPO_ENTRADA_FATURA));
}

void TFrmPag_Trn::edTpEntradaKeyPress(forms::Control&, char& key) {
    key = ValKeyBoard(&key);
    if (key != forms::VK_BACK && key != forms::VK_RETURN && (key < '1' || key > '3')) key = 0;
}

void TFrmPag_Trn::edTpEntradaExit(forms::Control&) {
    // The operator is pressing a button: the confirmation checks the type.
    if (EhBotao(ActiveControl())) return;
    const int tipo = TipoEntrada();
    if (tipo == 0) {
        RecusaTipo();
        return;
    }
    if (!edTpEntrada->Enabled()) return;
    switch (tipo) {
        case TIPO_CARTAO:
            LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_LINHA);
            btConfirma->SetEnabled(true);
            EdDoc->SetEnabled(false);
            btConfirma->SetFocus();
            break;
        case TIPO_DIGITADO:
            MostraBlocos();
            break;
        case TIPO_LEITOR:
            LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_LINHA);
            // A card choice may have locked the box; the host's document stays locked.
            EdDoc->SetEnabled(!bDocumentoDoHost);
            bControlaKeyPreview = false;
            pnCaptura->SetEnabled(true);
            if (EdDoc->CanFocus()) {
                EdDoc->SetFocus();
            } else {
                btConfirma->SetFocus();
            }
            break;
        default:
            break;
    }
}

// A document type typed after a card opens the document box again, so the
// Enter that leaves the type reaches the document instead of the confirmation.
void TFrmPag_Trn::edTpEntradaChange(forms::Control&) {
    if (edTpEntrada->Modified() && TipoEntrada() > TIPO_CARTAO && !bDocumentoDoHost) EdDoc->SetEnabled(true);
}

void TFrmPag_Trn::MostraBlocos() {
    LimpaBlocoCB(TEntradaCodigoBarras::MOSTRA_BLOCOS_TITULO);
    LimpaBlocoCB(TEntradaCodigoBarras::LIMPA_BLOCOS);
    bControlaKeyPreview = false;
    pnCaptura->SetEnabled(true);
    ed_bloco1->SetFocus();
}

bool TFrmPag_Trn::RecusaTipo() {
    Avisa(MSG_TIPO_ENTRADA_VAZIO);
    pnCaptura->SetEnabled(true);
    edTpEntrada->SetEnabled(true);
    edTpEntrada->Clear();
    edTpEntrada->SetFocus();
    return false;
}

bool TFrmPag_Trn::RecusaDocumento() {
    Avisa(MSG_DOCUMENTO_VAZIO);
    pnCaptura->SetEnabled(true);
    EdDoc->SetEnabled(true);
    EdDoc->Clear();
    EdDoc->SetFocus();
    return false;
}

// ---- Confirmation -------------------------------------------------------------------------

bool TFrmPag_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (!EdDoc->Visible() && !ValidaCodigoBarrasDigitado()) return false;
    const int tipo = TipoEntrada();
    if (tipo == 0) return RecusaTipo();
    // A typed line goes through the blocks, never straight through EdDoc (the
    // type may have been changed on the way to the confirmation).
    if (tipo == TIPO_DIGITADO && !bDocumentoDoHost && !CodigoBarras->LinhaValidada()) {
        Avisa(MSG_DOCUMENTO_VAZIO);
        MostraBlocos();
        return false;
    }
    if (tipo > TIPO_CARTAO && Trim(EdDoc->Text()).empty()) return RecusaDocumento();
    return true;
}

bool TFrmPag_Trn::GravaCamposFosdal() {
    if (!TFrmTrn_Mod::GravaCamposFosdal()) return false;
    const int tipo = TipoEntrada();
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    if (tipo == TIPO_CARTAO) {
        // The entry mode the card reading left.
        const std::string modo = Trim(host::LeCampo(CAMPO_MODO_ENTRADA));
        if (!modo.empty()) TipoEntradaDocumento[0] = modo[0];
    } else if (tipo == TIPO_LEITOR) {
        TipoEntradaDocumento[0] = '3';
    } else if (tipo == TIPO_DIGITADO) {
        TipoEntradaDocumento[0] = '4';
    }

    // A document the host supplied is not written again.
    if (tipo > TIPO_CARTAO && Trim(host::LeCampo(CAMPO_DOCUMENTO_FATURA)).empty()) {
        const std::string documento = Trim(EdDoc->Text());
        if (host::GravaCampo(CAMPO_DOCUMENTO_FATURA, documento) != 0) return false;
        if (host::GravaCampo(CAMPO_LINHA_DOCUMENTO, documento) != 0) return false;
    }
    return true;
}

void TFrmPag_Trn::btConfirmaClick(forms::Component& sender) {
    if (btConfirma->Tag() == 1) return;  // the sequence is already running
    if (TipoEntrada() == TIPO_CARTAO) {
        // Busy while the card is read, so a key queued meanwhile reads no second card.
        struct Ocupado {
            forms::GlyphButton& botao;
            ~Ocupado() { botao.SetTag(0); }
        } ocupado{*btConfirma};
        btConfirma->SetTag(1);
        if (!CapturaCartao(*lbMensagem)) return;
    }
    TFrmTrn_Mod::btConfirmaClick(sender);
}

}  // namespace zv
