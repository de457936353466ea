#include "cancel/CancCreditoZentravela.h"

#include "RegistroTransacao.h"

namespace zv::CancCreditoZentravela {

using namespace registro;

namespace {
// Both records send the same entries; only the code tells read from typed.
constexpr ZvTrnEntry ENTRADAS_CANCELAMENTO[] = {
    Campo(10112), Campo(10171), Campo(10104), CampoAttr2(1003, 4), CampoAttr3(1013, 4),
    CampoAttr2(1020, 8), Campo(10149), CampoAttr3(10174, 255), CampoAttr3(10175, 255), Campo(10294),
    CampoAttr3(10176, 255),
};
}  // namespace

// The rest of these lists repeats the end marker.
alignas(4) constinit const ZvTrnRecord TrnCancelamentoCredMag =
    Registro(54, 1, ENTRADAS_CANCELAMENTO, FimLista());
alignas(4) constinit const ZvTrnRecord TrnCancelamentoCredDig =
    Registro(55, 1, ENTRADAS_CANCELAMENTO, FimLista());

void Initialization() {}
void Finalization() {}

}  // namespace zv::CancCreditoZentravela
