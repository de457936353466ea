#include "credit/CreditoParcEstZentravela.h"

#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv {

namespace {
constexpr int32_t POSICAO_CICLOS = 2;
}  // namespace

TFrmEst_CrdPar::TFrmEst_CrdPar(std::string name) : TFrmPar_Crd(std::move(name)) { SetCaption(Name()); }

void TFrmEst_CrdPar::IniciaCamposForm() {
    TFrmPar_Crd::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_PARC_ESTAB));
    HabilitaCiclos(POSICAO_CICLOS);
}

bool TFrmEst_CrdPar::GravaCamposFosdal() {
    if (!TFrmPar_Crd::GravaCamposFosdal()) return false;
    return GravaTipoVenda(TipoVenda("7", "4"));
}

}  // namespace zv

namespace zv::CreditoParcEstZentravela {

forms::Form* FrmEst_CrdPar = nullptr;

void Initialization() {
    FrmEst_CrdPar = nullptr;
    RegistraTela<TFrmEst_CrdPar>("TFrmEst_CrdPar");
}

void Finalization() {
    RemoveClasseTela("TFrmEst_CrdPar");
    FrmEst_CrdPar = nullptr;
}

}  // namespace zv::CreditoParcEstZentravela
