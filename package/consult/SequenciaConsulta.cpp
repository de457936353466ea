#include "consult/SequenciaConsulta.h"

#include "common/Conversoes.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv::consulta {

namespace {

void Habilita(TFrmTrn_Mod& tela, bool habilita) {
    tela.pnCaptura->SetEnabled(habilita);
    tela.btConfirma->SetEnabled(habilita);
    tela.btRetorna->SetEnabled(habilita);
}

}  // namespace

TSequencia::TSequencia(TFrmTrn_Mod& tela) : tela_(tela), iniciada_(tela.btConfirma->Tag() != 1) {
    if (!iniciada_) return;
    tela_.btConfirma->SetTag(1);
    TrnModeloZentravela::bControlaKeyPreview = false;
    Habilita(tela_, false);
    tela_.lbMensagem->SetCaption(host::Mensagem(MSG_AGUARDE));
    forms::Application::Instance().ProcessMessages();
}

TSequencia::~TSequencia() {
    if (!iniciada_) return;
    Habilita(tela_, true);
    tela_.btConfirma->SetTag(0);
    if (tela_.ModalResult() == forms::mrNone) tela_.ConfirmacaoInterrompida();
}

void SoValorEParcelas(TFrmPar_Crd& tela) {
    for (forms::Control* c : {static_cast<forms::Control*>(tela.lbCiclos), static_cast<forms::Control*>(tela.lbDtemCart),
                              static_cast<forms::Control*>(tela.lbCodAutorizacao),
                              static_cast<forms::Control*>(tela.lbValorEntrada), static_cast<forms::Control*>(tela.edCiclos),
                              static_cast<forms::Control*>(tela.edDtemCart),
                              static_cast<forms::Control*>(tela.edCodAutorizacao),
                              static_cast<forms::Control*>(tela.edValorEntrada)}) {
        c->SetEnabled(false);
    }
}

bool PassosAteAutorizacao(TFrmPar_Crd& tela) {
    return tela.ValidaCamposForm() && tela.GravaCamposFosdal() && tela.VerificaProcessaCartao() &&
           tela.VerificaCapturaSenha() && tela.VerificaObtemDadosEmv();
}

int32_t AutorizaComDadosChip(TFrmMod& tela) {
    const int32_t dpchip = ConverteInteiro(host::ServicoString(TAG_DPCHIP), 0);
    AutorizaTransacao(tela.Transacao, tela.MensagemRef(), 0);
    TrataMensagensCartaoCHIP(dpchip, tela.MensagemRef(), tela.AdviceCallback());
    return dpchip;
}

int32_t CodigoResposta() { return ConverteInteiro(host::LeCampo(CAMPO_CODIGO_RESPOSTA), 255); }

}  // namespace zv::consulta
