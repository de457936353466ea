#include "consult/ConsCreditoZentravela.h"

#include "common/Conversoes.h"
#include "common/MontaRegistro.h"
#include "common/ZentravelaMain.h"
#include "consult/ImprimeConsultaZentravela.h"
#include "consult/SequenciaConsulta.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/MenuModeloZentravela.h"

namespace zv::ConsCreditoZentravela {

using namespace registro;

alignas(4) constinit const ZvTrnRecord TrnConsultaCredito = Registro(63, 0, {
    Campo(CAMPO_CODIGO_SERVICO), Campo(CAMPO_HOST_4), Campo(CAMPO_MODO_ENTRADA), CampoAttr2(CAMPO_VALOR_TRANSACAO, 4),
    Campo(CAMPO_LINHA_DOCUMENTO), Campo(CAMPO_NUMERO_PARCELAS), Campo(CAMPO_HOST_2), Campo(CAMPO_HOST_1),
    Campo(CAMPO_TAXA_SERVICO), CampoAttr2(CAMPO_VALOR_ENTRADA, 4), Campo(CAMPO_HOST_3), CampoAttr3(CAMPO_HOST_5, 255),
    CampoAttr3(CAMPO_HOST_6, 255), CampoTag(CAMPO_CICLOS, TAG_CICLOS), CampoTag(CAMPO_CPF, TAG_CPF),
    CampoAttr3(CAMPO_HOST_7, 255),
});

forms::Form* FrmCon_AdmCrdPar = nullptr;

void Initialization() {
    FrmCon_AdmCrdPar = nullptr;
    RegistraTela<TFrmCon_AdmCrdPar>("TFrmCon_AdmCrdPar");
}

void Finalization() {
    RemoveClasseTela("TFrmCon_AdmCrdPar");
    FrmCon_AdmCrdPar = nullptr;
}

}  // namespace zv::ConsCreditoZentravela

namespace zv {

namespace {
// Field 10218 holding this: the host forgets the consultation when the receipt was not printed.
constexpr int32_t MODO_ESQUECE_TRANSACAO = 3;
}  // namespace

TFrmCon_AdmCrdPar::TFrmCon_AdmCrdPar(std::string name) : TFrmAdm_CrdPar(std::move(name)) { SetCaption(Name()); }

void TFrmCon_AdmCrdPar::IniciaCamposForm() {
    TFrmAdm_CrdPar::IniciaCamposForm();
    Transacao = &ConsCreditoZentravela::TrnConsultaCredito;
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_PARC_ADM));
    pnCaptura->SetEnabled(true);
    btConfirma->SetEnabled(true);
    btRetorna->SetEnabled(true);
    consulta::SoValorEParcelas(*this);
}

void TFrmCon_AdmCrdPar::btConfirmaClick(forms::Component&) {
    const TSequenciaConfirma::TRodada rodada(Confirmacao);
    if (!rodada.Iniciada()) return;
    // A failed card step has closed the screen itself; a failed check leaves it open.
    if (!consulta::PassosAteAutorizacao(*this)) return;
    consulta::AutorizaComDadosChip(*this);

    bool& imprime = MenuModeloZentravela::ImprimeCupom;
    if (consulta::CodigoResposta() == 0) {
        ImprimeConsultaZentravela::MostraCupomConsulta();
    } else {
        imprime = true;  // a refusal always reaches the client's result file
    }
    const int32_t modo = ConverteInteiro(host::LeCampo(CAMPO_MODO_PERGUNTAS), -1);

    if (imprime) {
        FosdalGravaArquivo();
        FosdalLimpaCampo(CAMPO_VALOR_DISPONIVEL);
    } else if (modo == MODO_ESQUECE_TRANSACAO) {
        FosdalLimpaUltimaTrn();
        host::GravaCampo(CAMPO_CUPOM_NAO_IMPRESSO, "1");
    } else {
        FosdalLimpaCampo(CAMPO_VALOR_DISPONIVEL);
        FosdalGravaArquivo();
    }
    SetModalResult(forms::mrOk);
}

}  // namespace zv
