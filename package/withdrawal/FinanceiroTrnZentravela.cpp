#include "withdrawal/FinanceiroTrnZentravela.h"

#include <cstring>
#include <initializer_list>

#include "common/Conversoes.h"
#include "common/Datas.h"
#include "common/MontaRegistro.h"
#include "forms/Types.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/Aceita.h"
#include "screens/LayoutTela.h"

namespace zv::FinanceiroTrnZentravela {

using namespace registro;

TextoServico DataEmissaoCartaoOpcional = {};
TextoServico Ciclos = {};

alignas(4) constinit const ZvTrnRecord TrnFinanceiro = Registro(73, 1, {
    Campo(CAMPO_CODIGO_SERVICO), Campo(CAMPO_HOST_4), Campo(CAMPO_LINHA_DOCUMENTO),
    CampoAttr2(CAMPO_VALOR_TRANSACAO, 4), Campo(CAMPO_HOST_1), Campo(CAMPO_NUMERO_PARCELAS), Campo(CAMPO_HOST_3),
    Texto(DataEmissaoCartaoOpcional), Texto(Ciclos), CampoAttr3(CAMPO_HOST_5, 255), CampoAttr3(CAMPO_HOST_6, 255),
    CampoAttr3(CAMPO_HOST_7, 255),
});

forms::Form* FrmFin_Trn = nullptr;

namespace {
void ZeraTextos() {
    std::memset(DataEmissaoCartaoOpcional, 0, sizeof DataEmissaoCartaoOpcional);
    std::memset(Ciclos, 0, sizeof Ciclos);
}
}  // namespace

// Only its descendants are ever shown, so no class is registered here.
void Initialization() {
    ZeraTextos();
    FrmFin_Trn = nullptr;
}

void Finalization() { Initialization(); }

}  // namespace zv::FinanceiroTrnZentravela

namespace zv {

using namespace FinanceiroTrnZentravela;
using namespace registro;

namespace {

// This screen's flag in the host's "CICLOS:" service value.
constexpr int32_t POSICAO_CICLOS = 4;

}  // namespace

TFrmFin_Trn::TFrmFin_Trn(std::string name) : TFrmTrn_Mod(std::move(name)) {
    SetCaption(Name());
    using namespace layout;
    Coloca(*lbValor, 8,   lbValor->Top(), 136);
    Coloca(*edValor, 152, edValor->Top(), edValor->Width());
    lbDtemCart = &Rotulo(*this, pnCaptura,        "lbDtemCart", {8, 123, 136, 20},  "Data Emissao:");
    edDtemCart = &EdicaoMascara(*this, pnCaptura, "edDtemCart", {152, 118, 90, 24},
                                {.ordemTab = 1, .tamanhoMax = 7, .habilitado = false,
                                 .mascara = "!99/9999;1;_", .texto = "  /    "});
    lbCiclos   = &Rotulo(*this, pnCaptura,        "lbCiclos",   {99, 165, 45, 20},  "Ciclos:");
    edCiclos   = &Edicao(*this, pnCaptura,        "edCiclos",   {152, 160, 40, 24},
                         {.ordemTab = 2, .tamanhoMax = 2, .aceita = aceita::DigitosDoHost(),
                          .habilitado = false});

    edDtemCart->OnEnter = [this](forms::Control& s) { edDtemCartEnter(s); };
    edCiclos->OnEnter = [this](forms::Control& s) { edCiclosEnter(s); };
}

void TFrmFin_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    Transacao = &TrnFinanceiro;
    // A text left by an earlier withdrawal must not travel with this one.
    ZeraTextos();

    for (forms::Control* c : std::initializer_list<forms::Control*>{lbDtemCart, edDtemCart, lbCiclos, edCiclos}) {
        c->SetEnabled(false);
    }
    if (VerificaServico5MultiFlag(TAG_CICLOS, '1', POSICAO_CICLOS) != 0) {
        HabilitaCaixa(*lbCiclos, *edCiclos, MSG_ROTULO_CICLOS);
    }
    if (VerificaServico5(TAG_DTEMCART, '1') != 0) HabilitaCaixa(*lbDtemCart, *edDtemCart, MSG_ROTULO_DATA_EMISSAO);
    // Empty now, what the operator types there is taken back at a stop.
    ValoresTela.Le(CAMPO_CICLOS);
    ValoresTela.Le(CAMPO_DATA_EMISSAO_CARTAO);
}

bool TFrmFin_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    // The number of cycles is the host's to judge.
    if (!edDtemCart->Enabled() || DataEmissaoCartaoValida(edDtemCart->Text())) return true;
    return Recusa(host::Mensagem(MSG_DATA_INVALIDA), MB_VALIDACAO, edDtemCart);
}

bool TFrmFin_Trn::GravaCamposFosdal() {
    const auto grava = [this](int32_t campo, const std::string& texto) { return ValoresTela.GravaDaTela(campo, texto); };
    return TFrmTrn_Mod::GravaCamposFosdal() && GravaCiclos(*edCiclos, Ciclos, grava) &&
           GravaDataEmissao(*edDtemCart, DataEmissaoCartaoOpcional, grava);
}

void TFrmFin_Trn::edDtemCartEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_DATA_EMISSAO); }

void TFrmFin_Trn::edCiclosEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_CICLOS); }


}  // namespace zv
