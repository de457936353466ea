#include "cancel/CancFinanceiroZentravela.h"

#include "common/MontaRegistro.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv::CancFinanceiroZentravela {

using namespace registro;

alignas(4) constinit const ZvTrnRecord TrnCancFinanceiro = Registro(74, 1, {
    Campo(CAMPO_CODIGO_SERVICO), Campo(CAMPO_HOST_4), Campo(CAMPO_LINHA_DOCUMENTO),
    CampoAttr2(CAMPO_VALOR_TRANSACAO, 4), Campo(CAMPO_DOCUMENTO_ORIGINAL), Campo(CAMPO_DATA_ORIGINAL),
    CampoAttr3(CAMPO_HOST_5, 255), CampoAttr3(CAMPO_HOST_6, 255), CampoTag(CAMPO_MODO_ENTRADA, TAG_ENTRYMD),
    Campo(CAMPO_HOST_1), CampoAttr3(CAMPO_HOST_7, 255),
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
