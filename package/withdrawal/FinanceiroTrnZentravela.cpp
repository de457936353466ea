#include "withdrawal/FinanceiroTrnZentravela.h"

#include <cstring>

#include "RegistroTransacao.h"

namespace zv::FinanceiroTrnZentravela {

using namespace registro;

char DataEmissaoCartaoOpcional[TAMANHO_TEXTO_OPCIONAL] = {};
char Ciclos[TAMANHO_TEXTO_OPCIONAL] = {};

alignas(4) constinit const ZvTrnRecord TrnFinanceiro = Registro(73, 1, {
    Campo(10112), Campo(10171), Campo(10104), CampoAttr2(1003, 4), Campo(10146), Campo(1017),
    Campo(10149), Texto(DataEmissaoCartaoOpcional), Texto(Ciclos), CampoAttr3(10174, 255),
    CampoAttr3(10175, 255), CampoAttr3(10176, 255),
});

// The buffers are empty at load and then keep the last transaction's text
// for as long as the package stays loaded.
void Initialization() {
    std::memset(DataEmissaoCartaoOpcional, 0, sizeof DataEmissaoCartaoOpcional);
    std::memset(Ciclos, 0, sizeof Ciclos);
}

void Finalization() { Initialization(); }

}  // namespace zv::FinanceiroTrnZentravela
