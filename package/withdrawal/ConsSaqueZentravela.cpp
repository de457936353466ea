#include "withdrawal/ConsSaqueZentravela.h"

#include <cstring>

#include "RegistroTransacao.h"

namespace zv::ConsSaqueZentravela {

using namespace registro;

char TransacaodeSaque[TAMANHO_TRANSACAO_SAQUE] = {};

alignas(4) constinit const ZvTrnRecord TrnConsultaCredito = Registro(63, 0, {
    Campo(10112), Campo(10171), Campo(10134), CampoAttr2(1003, 4), Campo(10104), Campo(1017),
    Campo(10147), Campo(10146), Texto(""), CampoAttr2(1019, 4), Texto(TransacaodeSaque), Campo(10149),
    CampoAttr3(10174, 255), CampoAttr3(10175, 255), CampoAttr3(10176, 255),
});

forms::Form* FrmCon_AdmSaque = nullptr;

void Initialization() {
    std::memset(TransacaodeSaque, 0, sizeof TransacaodeSaque);
    FrmCon_AdmSaque = nullptr;
}
void Finalization() { Initialization(); }

}  // namespace zv::ConsSaqueZentravela
