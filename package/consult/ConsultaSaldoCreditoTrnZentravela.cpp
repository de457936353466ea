#include "consult/ConsultaSaldoCreditoTrnZentravela.h"

#include "RegistroTransacao.h"

namespace zv::ConsultaSaldoCreditoTrnZentravela {

using namespace registro;

alignas(4) constinit const ZvTrnRecord TrnConsultaSaldoCredito = Registro(29, 0, {
    Campo(10112), Campo(10171), Campo(10104), Campo(10146), Campo(10147), Campo(10149),
    CampoTag(10134, "ENTRYMD:"), CampoAttr3(10278, 255), CampoAttr3(10174, 255), CampoAttr3(10175, 255),
    CampoAttr3(10176, 255), Campo(10294), CampoTag(10341, "CPF:"),
});

// The record is a constant; the unit holds nothing else yet.
void Initialization() {}
void Finalization() {}

}  // namespace zv::ConsultaSaldoCreditoTrnZentravela
