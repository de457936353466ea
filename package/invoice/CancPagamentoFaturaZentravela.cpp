#include "invoice/CancPagamentoFaturaZentravela.h"

#include <cstring>

#include "common/Conversoes.h"
#include "common/MontaRegistro.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/Aceita.h"
#include "screens/LayoutTela.h"

namespace zv::CancPagamentoFaturaZentravela {

using namespace registro;

char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA] = {};
char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA] = {};
char TipoDocumento[TAMANHO_TIPO_DOCUMENTO] = {};
char CodigoBarrasDigitado[TAMANHO_LINHA_TITULO] = {};
char CodigoBarrasLido[TAMANHO_CODIGO_BARRAS] = {};

alignas(4) constinit const ZvTrnRecord TrnCancPagamentoFatura = Registro(65, 1, {
    Campo(CAMPO_CODIGO_SERVICO), Campo(CAMPO_HOST_4), Texto(CODIGO_SERVICO_FATURA),
    CampoAttr2(CAMPO_VALOR_TRANSACAO, 4), Texto(TipoEntradaDocumento), Texto(TipoDocumento),
    Campo(CAMPO_DOCUMENTO_ORIGINAL), Campo(CAMPO_DATA_ORIGINAL), CampoAttr3(CAMPO_HOST_5, 255),
    CampoAttr3(CAMPO_HOST_6, 255), CampoAttr3(CAMPO_HOST_7, 255), Campo(CAMPO_HOST_8),
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
    RegistraTela<TFrmFat_Cnc>("TFrmFat_Cnc");
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
// The cancellation writes the service code to field 10112 in four digits.
constexpr int DIGITOS_CODIGO_SERVICO = 4;

TEntradaDocumentoFatura::Linhas LinhasCancelamento(TFrmTrn_Mod& tela) {
    using namespace layout;
    const PropsRotulo ROTULO = RotuloFatura(), LEGENDA = LegendaFatura();
    forms::Panel* pnCaptura = tela.pnCaptura;
    return {
        .LbTpEntrada      = &Rotulo(tela, pnCaptura, "LbTpEntrada",      {16, 147, 160, 20}, "Tipo de entrada:", ROTULO),
        .edTpEntrada      = &Edicao(tela, pnCaptura, "edTpEntrada",      {184, 143, 33, 24},
                                    {.ordemTab = 3, .tamanhoMax = 1, .aceita = aceita::Digitos('1', TIPOS_CANCELAMENTO.UltimaTecla())}),
        .lbTipoEntradaMsg = &Rotulo(tela, pnCaptura, "lbTipoEntradaMsg", {226, 147, 350, 20},
                                    "<1> Cart\xE3o ou <2> Cod.Barras Digitado.", LEGENDA),
        .lbDoc            = &Rotulo(tela, pnCaptura, "lbDoc",            {4, 183, 110, 20},  "Documento:", ROTULO),
    };
}

}  // namespace

// Entry types 1 (card) and 2 (typed line); no reader on this screen.
TFrmFat_Cnc::TFrmFat_Cnc(std::string name)
    : TFrmCnc_Trn(std::move(name)),
      Documento(*this, LinhasCancelamento(*this), {CodigoBarrasDigitado, CodigoBarrasLido}, {118, 179, 4},
                TIPOS_CANCELAMENTO) {
    SetCaption(Name());
}

void TFrmFat_Cnc::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_CANC_FATURA) + " Zentravela");
    Documento.IniciaRotulos(MSG_LEGENDA_TIPO_ENTRADA_CANC_FATURA);
    bPermiteAlterarDados = PermiteAlterarDados() != 0;
    Transacao = &TrnCancPagamentoFatura;
    std::memset(TipoEntradaCheque, 0, sizeof TipoEntradaCheque);
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    std::memset(TipoDocumento, 0, sizeof TipoDocumento);
    Documento.Inicia();
}

void TFrmFat_Cnc::edDtTransacaoEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_DATA_CANC_FATURA); }

bool TFrmFat_Cnc::GravaCamposFosdal() {
    if (!TFrmCnc_Trn::GravaCamposFosdal()) return false;
    if (host::GravaCampo(CAMPO_CODIGO_SERVICO,
                         host::PreencherZerosEsquerda(CODIGO_SERVICO_FATURA, DIGITOS_CODIGO_SERVICO)) != 0)
        return false;
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    TipoEntradaDocumento[0] = Documento.CodigoTipoDocumento();
    if (ValoresTela.Grava(CAMPO_TIPO_ENTRADA_FATURA, Documento.edTpEntrada->Text()) != 0) return false;
    if (!Documento.GravaDocumento()) return false;
    // The document line travels with the request, cut to its buffer.
    CopiaTexto(TipoDocumento, TAMANHO_TIPO_DOCUMENTO, host::LeCampo(CAMPO_LINHA_DOCUMENTO));
    return true;
}

bool TFrmFat_Cnc::ValidaCamposForm() { return TFrmCnc_Trn::ValidaCamposForm() && Documento.Valida(); }

bool TFrmFat_Cnc::PreparaConfirmacao() { return Documento.LeCartaoSeTipoCartao(); }

}  // namespace zv
