#include "invoice/PagamentoFaturaZentravela.h"

#include <cstring>

#include "common/Conversoes.h"
#include "common/MontaRegistro.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/Aceita.h"
#include "screens/LayoutTela.h"

namespace zv::PagamentoFaturaZentravela {

using namespace registro;

char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA] = {};
char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA] = {};
char CodigoBarrasDigitado[TAMANHO_LINHA_TITULO] = {};
char CodigoBarrasLido[TAMANHO_CODIGO_BARRAS] = {};

alignas(4) constinit const ZvTrnRecord TrnPagamentoFatura = Registro(64, 1, {
    Campo(CAMPO_CODIGO_SERVICO), Campo(CAMPO_HOST_4), Texto(CODIGO_SERVICO_FATURA),
    CampoAttr2(CAMPO_VALOR_TRANSACAO, 4), Texto(TipoEntradaDocumento), Campo(CAMPO_LINHA_DOCUMENTO),
    Campo(CAMPO_HOST_2), CampoAttr3(CAMPO_HOST_5, 255), CampoAttr3(CAMPO_HOST_6, 255), CampoAttr3(CAMPO_HOST_7, 255),
    Campo(CAMPO_HOST_8),
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
    RegistraTela<TFrmPag_Trn>("TFrmPag_Trn");
}

void Finalization() {
    RemoveClasseTela("TFrmPag_Trn");
    ZeraUnidade();
}

}  // namespace zv::PagamentoFaturaZentravela

namespace zv {

using namespace PagamentoFaturaZentravela;

namespace {

constexpr TTiposEntradaFatura TIPOS_PAGAMENTO{.tipoLeitor = 2,
                                              .tipoDigitado = 3,
                                              .codigoLeitor = '3',
                                              .codigoDigitado = '4',
                                              .promptTipo = MSG_PROMPT_TIPO_ENTRADA_FATURA,
                                              .destravaRecusado = true};

TEntradaDocumentoFatura::Linhas LinhasPagamento(TFrmTrn_Mod& tela) {
    using namespace layout;
    const PropsRotulo ROTULO = RotuloFatura(), LEGENDA = LegendaFatura();
    forms::Panel* pnCaptura = tela.pnCaptura;
    return {
        .LbTpEntrada      = &Rotulo(tela, pnCaptura, "LbTpEntrada",      {4, 60, 140, 20},   "Tipo de entrada:", ROTULO),
        .edTpEntrada      = &Edicao(tela, pnCaptura, "edTpEntrada",      {150, 56, 33, 24},
                                    {.ordemTab = 1, .tamanhoMax = 1, .aceita = aceita::Digitos('1', TIPOS_PAGAMENTO.UltimaTecla())}),
        .lbTipoEntradaMsg = &Rotulo(tela, pnCaptura, "lbTipoEntradaMsg", {192, 60, 380, 20},
                                    "<1> Cart\xE3o, <2> Cod.Barras Lido ou <3>Cod.Barras Digitado.", LEGENDA),
        .lbDoc            = &Rotulo(tela, pnCaptura, "lbDoc",            {4, 100, 100, 20},  "Documento:", ROTULO),
    };
}

}  // namespace

// Entry types 1 (card), 2 (reader) and 3 (typed line).
TFrmPag_Trn::TFrmPag_Trn(std::string name)
    : TFrmTrn_Mod(std::move(name)),
      Documento(*this, LinhasPagamento(*this), {CodigoBarrasDigitado, CodigoBarrasLido}, {110, 96, 2},
                TIPOS_PAGAMENTO) {
    SetCaption(Name());
    lbTitulo->SetCaption("PAGAMENTO DE FATURA");
    layout::Coloca(*lbValor, 68, 20, 36);
    layout::Coloca(*edValor, 110, 16, 150);
}

void TFrmPag_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_PAGAMENTO_FATURA));
    Documento.IniciaRotulos(MSG_LEGENDA_TIPO_ENTRADA_FATURA);
    bPermiteAlterarDados = PermiteAlterarDados() != 0;
    Transacao = &TrnPagamentoFatura;
    std::memset(TipoEntradaCheque, 0, sizeof TipoEntradaCheque);
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    Documento.Inicia();
}

bool TFrmPag_Trn::GravaCamposFosdal() {
    if (!TFrmTrn_Mod::GravaCamposFosdal()) return false;
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    TipoEntradaDocumento[0] = Documento.CodigoTipoDocumento();
    return Documento.GravaDocumento();
}

bool TFrmPag_Trn::ValidaCamposForm() { return TFrmTrn_Mod::ValidaCamposForm() && Documento.Valida(); }

bool TFrmPag_Trn::PreparaConfirmacao() { return Documento.LeCartaoSeTipoCartao(); }

}  // namespace zv
