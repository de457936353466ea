#include "consult/ConsultaSaldoCreditoZentravela.h"

#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv::ConsultaSaldoCreditoZentravela {

forms::Form* FrmCnsSaldo_Cred = nullptr;

void Initialization() {
    FrmCnsSaldo_Cred = nullptr;
    RegistraTela<TFrmCnsSaldo_Cred>("TFrmCnsSaldo_Cred");
}

void Finalization() {
    RemoveClasseTela("TFrmCnsSaldo_Cred");
    FrmCnsSaldo_Cred = nullptr;
}

}  // namespace zv::ConsultaSaldoCreditoZentravela

namespace zv {

TFrmCnsSaldo_Cred::TFrmCnsSaldo_Cred(std::string name) : TFrmCnsSdoCred_Trn(std::move(name)) { SetCaption(Name()); }

void TFrmCnsSaldo_Cred::IniciaCamposForm() {
    TFrmCnsSdoCred_Trn::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_CONSULTA_SALDO));
    lbValor->Hide();
    edValor->Hide();
}

}  // namespace zv
