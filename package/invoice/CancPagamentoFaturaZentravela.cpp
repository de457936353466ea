#include "invoice/CancPagamentoFaturaZentravela.h"

#include <cstring>

#include "RegistroTransacao.h"

namespace zv::CancPagamentoFaturaZentravela {

using namespace registro;

char TipoEntradaDocumento[TAMANHO_TIPO_ENTRADA] = {};
char TipoEntradaCheque[TAMANHO_TIPO_ENTRADA] = {};
char TipoDocumento[TAMANHO_TIPO_DOCUMENTO] = {};

alignas(4) constinit const ZvTrnRecord TrnCancPagamentoFatura = Registro(65, 1, {
    Campo(10112), Campo(10171), Texto("115"), CampoAttr2(1003, 4), Texto(TipoEntradaDocumento),
    Texto(TipoDocumento), Campo(1013), Campo(1020), CampoAttr3(10174, 255), CampoAttr3(10175, 255),
    CampoAttr3(10176, 255), Campo(10294),
});

forms::Form* FrmFat_Cnc = nullptr;

void Initialization() {
    FrmFat_Cnc = nullptr;
    std::memset(TipoEntradaDocumento, 0, sizeof TipoEntradaDocumento);
    std::memset(TipoEntradaCheque, 0, sizeof TipoEntradaCheque);
    std::memset(TipoDocumento, 0, sizeof TipoDocumento);
}

void Finalization() { Initialization(); }

}  // namespace zv::CancPagamentoFaturaZentravela
