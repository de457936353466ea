#include "consult/ConsCreditoZentravela.h"

#include "RegistroTransacao.h"

namespace zv::ConsCreditoZentravela {

using namespace registro;

alignas(4) constinit const ZvTrnRecord TrnConsultaCredito = Registro(63, 0, {
    Campo(10112), Campo(10171), Campo(10134), CampoAttr2(1003, 4), Campo(10104), Campo(1017),
    Campo(10147), Campo(10146), Campo(10151), CampoAttr2(1019, 4), Campo(10149),
    CampoAttr3(10174, 255), CampoAttr3(10175, 255), CampoTag(1048, "CICLOS:"), CampoTag(10341, "CPF:"),
    CampoAttr3(10176, 255),
});

forms::Form* FrmCon_AdmCrdPar = nullptr;

void Initialization() { FrmCon_AdmCrdPar = nullptr; }
void Finalization() { FrmCon_AdmCrdPar = nullptr; }

}  // namespace zv::ConsCreditoZentravela
