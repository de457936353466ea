#include "consult/ConsultaSaldoCreditoTrnZentravela.h"

#include "common/MontaRegistro.h"
#include "consult/ImprimeConsultaZentravela.h"
#include "consult/SequenciaConsulta.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/MenuModeloZentravela.h"

namespace zv::ConsultaSaldoCreditoTrnZentravela {

using namespace registro;

alignas(4) constinit const ZvTrnRecord TrnConsultaSaldoCredito = Registro(29, 0, {
    Campo(CAMPO_CODIGO_SERVICO), Campo(CAMPO_HOST_4), Campo(CAMPO_LINHA_DOCUMENTO), Campo(CAMPO_HOST_1),
    Campo(CAMPO_HOST_2), Campo(CAMPO_HOST_3), CampoTag(CAMPO_MODO_ENTRADA, TAG_ENTRYMD),
    CampoAttr3(CAMPO_RESPOSTAS_PERGUNTAS, 255), CampoAttr3(CAMPO_HOST_5, 255), CampoAttr3(CAMPO_HOST_6, 255),
    CampoAttr3(CAMPO_HOST_7, 255), Campo(CAMPO_HOST_8), CampoTag(CAMPO_CPF, TAG_CPF),
});

// The record is a constant and the model is never shown by itself.
void Initialization() {}
void Finalization() {}

}  // namespace zv::ConsultaSaldoCreditoTrnZentravela

namespace zv {

TFrmCnsSdoCred_Trn::TFrmCnsSdoCred_Trn(std::string name) : TFrmTrn_Mod(std::move(name)) { SetCaption(Name()); }

void TFrmCnsSdoCred_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    Transacao = &ConsultaSaldoCreditoTrnZentravela::TrnConsultaSaldoCredito;
    bSemValor = true;
}

void TFrmCnsSdoCred_Trn::btConfirmaClick(forms::Component&) {
    const TSequenciaConfirma::TRodada rodada(Confirmacao);
    if (!rodada.Iniciada()) return;
    // The amount is not asked, so nothing is written before the PIN and chip steps.
    if (!(ValidaCamposForm() && DesabilitaProcessaCartao() && VerificaCapturaSenha() && VerificaObtemDadosEmv() &&
          GravaCamposFosdal())) {
        return;
    }
    AutorizaTransacao(Transacao, MensagemRef(), 0);

    bool& imprime = MenuModeloZentravela::ImprimeCupom;
    if (consulta::CodigoResposta() == 0) {
        ImprimeConsultaZentravela::MostraCupomConsulta();
        forms::Application::Instance().ProcessMessages();
    } else {
        imprime = true;
    }
    if (!imprime) FosdalLimpaCampo(CAMPO_VALOR_DISPONIVEL);
    FosdalGravaArquivo();
    SetModalResult(forms::mrOk);
}

}  // namespace zv
