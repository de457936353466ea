#include "withdrawal/ConsSaqueZentravela.h"

#include <cstring>

#include "common/Conversoes.h"
#include "common/MontaRegistro.h"
#include "common/ZentravelaMain.h"
#include "consult/ImprimeConsultaZentravela.h"
#include "consult/SequenciaConsulta.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/MenuModeloZentravela.h"

namespace zv::ConsSaqueZentravela {

using namespace registro;

char TransacaodeSaque[TAMANHO_TRANSACAO_SAQUE] = {};

alignas(4) constinit const ZvTrnRecord TrnConsultaCredito = Registro(63, 0, {
    Campo(CAMPO_CODIGO_SERVICO), Campo(CAMPO_HOST_4), Campo(CAMPO_MODO_ENTRADA), CampoAttr2(CAMPO_VALOR_TRANSACAO, 4),
    Campo(CAMPO_LINHA_DOCUMENTO), Campo(CAMPO_NUMERO_PARCELAS), Campo(CAMPO_HOST_2), Campo(CAMPO_HOST_1), Texto(""),
    CampoAttr2(CAMPO_VALOR_ENTRADA, 4), Texto(TransacaodeSaque), Campo(CAMPO_HOST_3), CampoAttr3(CAMPO_HOST_5, 255),
    CampoAttr3(CAMPO_HOST_6, 255), CampoAttr3(CAMPO_HOST_7, 255),
});

forms::Form* FrmCon_AdmSaque = nullptr;

void Initialization() {
    std::memset(TransacaodeSaque, 0, sizeof TransacaodeSaque);
    FrmCon_AdmSaque = nullptr;
    RegistraTela<TFrmCon_AdmSaque>("TFrmCon_AdmSaque");
}

void Finalization() {
    RemoveClasseTela("TFrmCon_AdmSaque");
    std::memset(TransacaodeSaque, 0, sizeof TransacaodeSaque);
    FrmCon_AdmSaque = nullptr;
}

}  // namespace zv::ConsSaqueZentravela

namespace zv {

using namespace ConsSaqueZentravela;

TFrmCon_AdmSaque::TFrmCon_AdmSaque(std::string name) : TFrmAdm_CrdPar(std::move(name)) { SetCaption(Name()); }

void TFrmCon_AdmSaque::IniciaCamposForm() {
    TFrmAdm_CrdPar::IniciaCamposForm();
    Transacao = &TrnConsultaCredito;
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_CONSULTA));
    consulta::SoValorEParcelas(*this);
}

bool TFrmCon_AdmSaque::GravaCamposFosdal() {
    if (!TFrmAdm_CrdPar::GravaCamposFosdal()) return false;
    CopiaTexto(TransacaodeSaque, TAMANHO_TRANSACAO_SAQUE, TEXTO_TRN_SAQUE);
    return true;
}

void TFrmCon_AdmSaque::btConfirmaClick(forms::Component&) {
    const TSequenciaConfirma::TRodada rodada(Confirmacao);
    if (!rodada.Iniciada()) return;
    // No questions step here. A failed card step has closed the screen itself.
    if (!consulta::PassosAteAutorizacao(*this)) return;
    const int32_t dpchip = consulta::AutorizaComDadosChip(*this);

    // Only "00" or "0" is an approval here: "000" or " 0" is not.
    const std::string resposta = host::LeCampo(CAMPO_CODIGO_RESPOSTA);
    if (resposta == "00" || resposta == "0") ImprimeConsultaZentravela::MostraCupomConsulta();

    if (MenuModeloZentravela::ImprimeCupom) {
        TrataMensagensCartaoCHIP(dpchip, MensagemRef(), AdviceCallback());
        FosdalGravaArquivo();
        FosdalLimpaCampo(CAMPO_VALOR_DISPONIVEL);
        SetModalResult(forms::mrOk);
        return;
    }
    // The operator returned from the receipt: nothing was done, and what the
    // operator typed is forgotten. The instalments are the operator's whenever
    // field 1017 was empty, also when their box was locked on field 10131's
    // number because the operator may not change data.
    ValoresTela.Devolve();
    host::GravaCampoBytes(CAMPO_CODIGO_RESPOSTA, 0, "255");
    host::GravaCampoBytes(CAMPO_TEXTO_RESPOSTA, 0, host::Mensagem(MSG_TRANSACAO_NAO_EFETUADA));
    SetModalResult(forms::mrCancel);
}

}  // namespace zv
