#include "credit/CreditoVistaZentravela.h"

#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv {

namespace {
// This screen's flag in the host's "CICLOS:" service value.
constexpr int32_t POSICAO_CICLOS = 1;
}  // namespace

TFrmVis_Crd::TFrmVis_Crd(std::string name) : TFrmCrd_Trn(std::move(name)) { SetCaption(Name()); }

void TFrmVis_Crd::IniciaCamposForm() {
    TFrmCrd_Trn::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_CREDITO_VISTA));
    HabilitaCiclos(POSICAO_CICLOS);
}

bool TFrmVis_Crd::GravaCamposFosdal() {
    if (!TFrmCrd_Trn::GravaCamposFosdal()) return false;
    // Paid at once is always one instalment, whatever the host had asked.
    return host::GravaCampo(CAMPO_TIPO_VENDA, "4") == 0 && host::GravaCampo(CAMPO_TIPO_PARCELAMENTO, "0") == 0 &&
           host::GravaCampo(CAMPO_NUMERO_PARCELAS, "1") == 0;
}

}  // namespace zv

namespace zv::CreditoVistaZentravela {

forms::Form* FrmVis_Crd = nullptr;

void Initialization() {
    FrmVis_Crd = nullptr;
    RegistraTela<TFrmVis_Crd>("TFrmVis_Crd");
}

void Finalization() {
    RemoveClasseTela("TFrmVis_Crd");
    FrmVis_Crd = nullptr;
}

}  // namespace zv::CreditoVistaZentravela
