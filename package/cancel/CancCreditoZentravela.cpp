#include "cancel/CancCreditoZentravela.h"

#include "common/MontaRegistro.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "forms/Types.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv::CancCreditoZentravela {

using namespace registro;

namespace {
// Both records send the same entries; only the code tells read from typed.
constexpr ZvTrnEntry ENTRADAS_CANCELAMENTO[] = {
    Campo(CAMPO_CODIGO_SERVICO), Campo(CAMPO_HOST_4), Campo(CAMPO_LINHA_DOCUMENTO),
    CampoAttr2(CAMPO_VALOR_TRANSACAO, 4), CampoAttr3(CAMPO_DOCUMENTO_ORIGINAL, 4), CampoAttr2(CAMPO_DATA_ORIGINAL, 8),
    Campo(CAMPO_HOST_3), CampoAttr3(CAMPO_HOST_5, 255), CampoAttr3(CAMPO_HOST_6, 255), Campo(CAMPO_HOST_8),
    CampoAttr3(CAMPO_HOST_7, 255),
};
}  // namespace

// The rest of these lists repeats the end marker.
alignas(4) constinit const ZvTrnRecord TrnCancelamentoCredMag =
    Registro(54, 1, ENTRADAS_CANCELAMENTO, FimLista());
alignas(4) constinit const ZvTrnRecord TrnCancelamentoCredDig =
    Registro(55, 1, ENTRADAS_CANCELAMENTO, FimLista());

forms::Form* FrmCrd_Cnc = nullptr;

void Initialization() {
    FrmCrd_Cnc = nullptr;
    RegistraTela<TFrmCrd_Cnc>("TFrmCrd_Cnc");
}

void Finalization() {
    RemoveClasseTela("TFrmCrd_Cnc");
    FrmCrd_Cnc = nullptr;
}

}  // namespace zv::CancCreditoZentravela

namespace zv {

using namespace CancCreditoZentravela;

TFrmCrd_Cnc::TFrmCrd_Cnc(std::string name) : TFrmCnc_Trn(std::move(name)) { SetCaption(Name()); }

void TFrmCrd_Cnc::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_CANC_CREDITO));
    const std::string modoEntrada = host::LeCampo(CAMPO_MODO_ENTRADA);
    if (modoEntrada == "1") {
        Transacao = &TrnCancelamentoCredMag;
    } else if (modoEntrada == "2") {
        Transacao = &TrnCancelamentoCredDig;
    } else {
        Transacao = nullptr;
    }
}

bool TFrmCrd_Cnc::ValidaCamposForm() {
    if (!TFrmCnc_Trn::ValidaCamposForm()) return false;
    if (Transacao != nullptr) return true;
    // Without a record the host would be asked to authorise nothing.
    host::Audit("Cancelamento sem definicao de transacao: modo de entrada '" + host::LeCampo(CAMPO_MODO_ENTRADA) +
                "'");
    return Recusa(host::Mensagem(MSG_TRANSACAO_NAO_PERMITIDA), MB_VALIDACAO);
}

}  // namespace zv
