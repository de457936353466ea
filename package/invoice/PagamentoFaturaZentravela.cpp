#include "invoice/PagamentoFaturaZentravela.h"

#include <cstring>

#include "RegistroTransacao.h"

namespace zv::PagamentoFaturaZentravela {

using namespace registro;

char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA] = {};
char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA] = {};

alignas(4) constinit const ZvTrnRecord TrnPagamentoFatura = Registro(64, 1, {
    Campo(10112), Campo(10171), Texto("115"), CampoAttr2(1003, 4), Texto(TipoEntradaDocumento),
    Campo(10104), Campo(10147), CampoAttr3(10174, 255), CampoAttr3(10175, 255), CampoAttr3(10176, 255),
    Campo(10294),
});

forms::Form* FrmPag_Trn = nullptr;

void Initialization() {
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    std::memset(TipoEntradaCheque, 0, sizeof TipoEntradaCheque);
    FrmPag_Trn = nullptr;
}

void Finalization() { Initialization(); }

}  // namespace zv::PagamentoFaturaZentravela
