#include "consult/SequenciaConsulta.h"

#include "common/Conversoes.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv::consulta {

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
