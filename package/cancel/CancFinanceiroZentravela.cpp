#include "cancel/CancFinanceiroZentravela.h"

#include "RegistroTransacao.h"

namespace zv::CancFinanceiroZentravela {

using namespace registro;

alignas(4) constinit const ZvTrnRecord TrnCancFinanceiro = Registro(74, 1, {
    Campo(10112), Campo(10171), Campo(10104), CampoAttr2(1003, 4), Campo(1013), Campo(1020),
    CampoAttr3(10174, 255), CampoAttr3(10175, 255), CampoTag(10134, "ENTRYMD:"), Campo(10146),
    CampoAttr3(10176, 255),
});

void Initialization() {}
void Finalization() {}

}  // namespace zv::CancFinanceiroZentravela
