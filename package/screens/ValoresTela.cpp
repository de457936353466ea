#include "screens/ValoresTela.h"

#include <algorithm>

#include "common/Conversoes.h"
#include "host/HostCalls.h"

namespace zv {

bool TValoresTela::Contem(const std::vector<int32_t>& campos, int32_t campo) {
    return std::find(campos.begin(), campos.end(), campo) != campos.end();
}

void TValoresTela::Reinicia() {
    doOperador_.clear();
    cortados_.clear();
    gravados_.clear();
}

std::string TValoresTela::Le(int32_t campo, bool brancoEhVazio) {
    std::string lido = host::LeCampo(campo);
    if ((brancoEhVazio ? Trim(lido) : lido).empty()) {
        DoOperador(campo);
    } else if (!host::LidoInteiro(lido)) {
        cortados_.push_back(campo);
    }
    return lido;
}

void TValoresTela::DoOperador(int32_t campo) {
    if (!Contem(doOperador_, campo)) doOperador_.push_back(campo);
}

ZvStatus TValoresTela::Grava(int32_t campo, const std::string& texto) {
    if (Contem(cortados_, campo)) return 0;
    return GravaDaTela(campo, texto);
}

ZvStatus TValoresTela::GravaDaTela(int32_t campo, const std::string& texto) {
    const ZvStatus status = host::GravaCampo(campo, texto);
    if (status == 0 && Contem(doOperador_, campo) && !Contem(gravados_, campo)) gravados_.push_back(campo);
    return status;
}

void TValoresTela::Devolve() {
    for (int32_t campo : gravados_) host::LimpaCampo(campo);
    gravados_.clear();
}

}  // namespace zv
