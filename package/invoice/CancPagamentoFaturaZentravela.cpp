#include "invoice/CancPagamentoFaturaZentravela.h"

#include <cstring>

#include "Catalogo.h"
#include "Conversoes.h"
#include "HostCalls.h"
#include "LayoutTela.h"
#include "RegistroTransacao.h"
#include "ZentravelaMain.h"
#include "forms/Application.h"

namespace zv::CancPagamentoFaturaZentravela {

using namespace registro;

char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA] = {};
char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA] = {};
char TipoDocumento[TAMANHO_TIPO_DOCUMENTO] = {};
char CodigoBarrasDigitado[TAMANHO_LINHA_TITULO] = {};
char CodigoBarrasLido[TAMANHO_CODIGO_BARRAS] = {};

alignas(4) constinit const ZvTrnRecord TrnCancPagamentoFatura = Registro(65, 1, {
    Campo(10112), Campo(10171), Texto("115"), CampoAttr2(1003, 4), Texto(TipoEntradaDocumento),
    Texto(TipoDocumento), Campo(1013), Campo(1020), CampoAttr3(10174, 255), CampoAttr3(10175, 255),
    CampoAttr3(10176, 255), Campo(10294),
});

forms::Form* FrmFat_Cnc = nullptr;

namespace {
void ZeraUnidade() {
    FrmFat_Cnc = nullptr;
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    std::memset(TipoEntradaCheque, 0, sizeof TipoEntradaCheque);
    std::memset(TipoDocumento, 0, sizeof TipoDocumento);
    std::memset(CodigoBarrasDigitado, 0, sizeof CodigoBarrasDigitado);
    std::memset(CodigoBarrasLido, 0, sizeof CodigoBarrasLido);
}
}  // namespace

void Initialization() {
    ZeraUnidade();
    RegistraClasseTela("TFrmFat_Cnc",
                       []() -> forms::Form* { return forms::Application::Instance().Create<TFrmFat_Cnc>(); });
}

void Finalization() {
    RemoveClasseTela("TFrmFat_Cnc");
    ZeraUnidade();
}

}  // namespace zv::CancPagamentoFaturaZentravela

namespace zv {

using namespace CancPagamentoFaturaZentravela;

namespace {

constexpr TTiposEntradaFatura TIPOS_CANCELAMENTO{.tipoLeitor = 0,
                                                 .tipoDigitado = 2,
                                                 .codigoLeitor = '\0',
                                                 .codigoDigitado = '2',
                                                 .promptTipo = MSG_PROMPT_TIPO_ENTRADA_CANC_FATURA,
                                                 .destravaRecusado = false};
// The service code the cancellation writes to field 10112, four digits.
constexpr const char* CODIGO_SERVICO_FATURA = "115";
constexpr int DIGITOS_CODIGO_SERVICO = 4;

}  // namespace

TFrmFat_Cnc::TFrmFat_Cnc(std::string name) : TFrmCnc_Trn(std::move(name)) {
    SetCaption(Name());
    using namespace layout;
    constexpr auto DIREITA = forms::Alignment::Right;
    constexpr auto ESQUERDA = forms::Alignment::Left;

    LbTpEntrada      = &RotuloFatura(*this, "LbTpEntrada",      {16, 147, 160, 20}, "Tipo de entrada:", DIREITA, 12);
    edTpEntrada      = &Edicao(*this, pnCaptura, "edTpEntrada", {184, 143, 33, 24}, {.tabOrder = 3, .maxLength = 1});
    lbTipoEntradaMsg = &RotuloFatura(*this, "lbTipoEntradaMsg", {226, 147, 350, 20},
                                     "<1> Cart\xE3o ou <2> Cod.Barras Digitado.", ESQUERDA, 11);
    lbDoc            = &RotuloFatura(*this, "lbDoc",            {4, 183, 110, 20},  "Documento:", DIREITA, 12);

    edTpEntrada->OnEnter = [this](forms::Control& s) { edTpEntradaEnter(s); };
    edTpEntrada->OnExit = [this](forms::Control& s) { edTpEntradaExit(s); };
    edTpEntrada->OnKeyPress = [this](forms::Control& s, char& k) { edTpEntradaKeyPress(s, k); };
    edTpEntrada->OnChange = [this](forms::Control& s) { edTpEntradaChange(s); };

    Documento = std::make_unique<TEntradaDocumentoFatura>(
        *this, *edTpEntrada, TBuffersCodigoBarras{CodigoBarrasDigitado, CodigoBarrasLido},
        TEntradaCodigoBarras::Posicao{118, 179, 4}, TIPOS_CANCELAMENTO);
    const TEntradaCodigoBarras& cb = Documento->CodigoBarras;
    ed_bloco1 = cb.ed_bloco1;
    ed_bloco2 = cb.ed_bloco2;
    ed_bloco3 = cb.ed_bloco3;
    ed_bloco4_12 = cb.ed_bloco4_12;
    ed_digito = cb.ed_digito;
    ed_bloco4_14 = cb.ed_bloco4_14;
    EdDoc = cb.EdDoc;
}

void TFrmFat_Cnc::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_CANC_FATURA) + " Zentravela");
    LbTpEntrada->SetCaption(host::Mensagem(MSG_ROTULO_TIPO_ENTRADA));
    lbDoc->SetCaption(host::Mensagem(MSG_ROTULO_DOCUMENTO));
    lbTipoEntradaMsg->SetCaption(host::Mensagem(MSG_LEGENDA_TIPO_ENTRADA_CANC_FATURA));
    bPermiteAlterarDados = PermiteAlterarDados() != 0;
    Transacao = &TrnCancPagamentoFatura;
    std::memset(TipoEntradaCheque, 0, sizeof TipoEntradaCheque);
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    std::memset(TipoDocumento, 0, sizeof TipoDocumento);
    Documento->Inicia();
}

void TFrmFat_Cnc::edDtTransacaoEnter(forms::Control&) {
    lbMensagem->SetCaption(host::Mensagem(MSG_PROMPT_DATA_CANC_FATURA));
}

void TFrmFat_Cnc::edTpEntradaEnter(forms::Control&) { Documento->edTpEntradaEnter(); }
void TFrmFat_Cnc::edTpEntradaExit(forms::Control&) { Documento->edTpEntradaExit(); }
void TFrmFat_Cnc::edTpEntradaKeyPress(forms::Control&, char& key) { Documento->edTpEntradaKeyPress(key); }
void TFrmFat_Cnc::edTpEntradaChange(forms::Control&) { Documento->edTpEntradaChange(); }

// The date and the document of the payment first, then the invoice's.
bool TFrmFat_Cnc::ValidaCamposForm() { return TFrmCnc_Trn::ValidaCamposForm() && Documento->Valida(); }

bool TFrmFat_Cnc::GravaCamposFosdal() {
    if (!TFrmCnc_Trn::GravaCamposFosdal()) return false;
    if (host::GravaCampo(CAMPO_CODIGO_SERVICO,
                         host::PreencherZerosEsquerda(CODIGO_SERVICO_FATURA, DIGITOS_CODIGO_SERVICO)) != 0)
        return false;
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    TipoEntradaDocumento[0] = Documento->CodigoTipoDocumento();
    if (host::GravaCampo(CAMPO_TIPO_ENTRADA_FATURA, edTpEntrada->Text()) != 0) return false;
    if (!Documento->GravaDocumento()) return false;
    // The document line travels with the request, cut to its buffer.
    CopiaTexto(TipoDocumento, TAMANHO_TIPO_DOCUMENTO, host::LeCampo(CAMPO_LINHA_DOCUMENTO));
    return true;
}

void TFrmFat_Cnc::btConfirmaClick(forms::Component& sender) {
    if (Documento->LeCartaoSeTipoCartao()) TFrmCnc_Trn::btConfirmaClick(sender);
}

}  // namespace zv
