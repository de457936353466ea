#include "credit/CreditoParcCprAdmZentravela.h"

#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv {

namespace {
constexpr int32_t POSICAO_CICLOS = 3;
}  // namespace

TFrmCpr_AdmCrdPar::TFrmCpr_AdmCrdPar(std::string name) : TFrmAdm_CrdPar(std::move(name)) { SetCaption(Name()); }

void TFrmCpr_AdmCrdPar::IniciaCamposForm() {
    TFrmAdm_CrdPar::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_PARC_ADM));
    HabilitaCiclos(POSICAO_CICLOS);
}

bool TFrmCpr_AdmCrdPar::GravaCamposFosdal() {
    if (!TFrmAdm_CrdPar::GravaCamposFosdal()) return false;
    return GravaTipoVenda(TipoVenda("6", "3"));
}

}  // namespace zv

namespace zv::CreditoParcCprAdmZentravela {

forms::Form* FrmCpr_AdmCrdPar = nullptr;

void Initialization() {
    FrmCpr_AdmCrdPar = nullptr;
    RegistraTela<TFrmCpr_AdmCrdPar>("TFrmCpr_AdmCrdPar");
}

void Finalization() {
    RemoveClasseTela("TFrmCpr_AdmCrdPar");
    FrmCpr_AdmCrdPar = nullptr;
}

}  // namespace zv::CreditoParcCprAdmZentravela
