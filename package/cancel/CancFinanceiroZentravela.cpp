#include "cancel/CancFinanceiroZentravela.h"

#include "common/MontaRegistro.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv::CancFinanceiroZentravela {

using namespace registro;

alignas(4) constinit const ZvTrnRecord TrnCancFinanceiro = Registro(74, 1, {
    Campo(10112), Campo(10171), Campo(10104), CampoAttr2(1003, 4), Campo(1013), Campo(1020),
    CampoAttr3(10174, 255), CampoAttr3(10175, 255), CampoTag(10134, "ENTRYMD:"), Campo(10146),
    CampoAttr3(10176, 255),
});

forms::Form* FrmFin_Cnc = nullptr;

void Initialization() {
    FrmFin_Cnc = nullptr;
    RegistraTela<TFrmFin_Cnc>("TFrmFin_Cnc");
}

void Finalization() {
    RemoveClasseTela("TFrmFin_Cnc");
    FrmFin_Cnc = nullptr;
}

}  // namespace zv::CancFinanceiroZentravela

namespace zv {

TFrmFin_Cnc::TFrmFin_Cnc(std::string name) : TFrmCnc_Trn(std::move(name)) { SetCaption(Name()); }

void TFrmFin_Cnc::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_MENU_CANCELAMENTO) + " Saque Zentravela");
    Transacao = &CancFinanceiroZentravela::TrnCancFinanceiro;
}

}  // namespace zv
