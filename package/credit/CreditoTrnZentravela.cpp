#include "credit/CreditoTrnZentravela.h"

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

namespace zv::CreditoTrnZentravela {

using namespace registro;

TextoServico CodigoAutorizacao = {};
TextoServico Ciclos = {};
TextoServico DataEmissaoCartaoOpcional = {};

namespace {
// The purchase as the authorisation library reads it; the three service
// texts travel as text entries, so the buffers' current content is sent.
constexpr ZvTrnEntry ENTRADAS_COMPRA_CREDITO[] = {
    Campo(CAMPO_CODIGO_SERVICO),
    Campo(CAMPO_HOST_4),
    Campo(CAMPO_MODO_ENTRADA),
    Campo(CAMPO_TIPO_VENDA),
    Campo(CAMPO_LINHA_DOCUMENTO),
    CampoAttr2(CAMPO_VALOR_TRANSACAO, 4),
    Campo(CAMPO_NUMERO_PARCELAS),
    Campo(CAMPO_TAXA_SERVICO),
    Campo(CAMPO_HOST_2),
    Texto(""),
    CampoAttr2(CAMPO_VALOR_ENTRADA, 4),
    Campo(CAMPO_HOST_1),
    Campo(CAMPO_HOST_3),
    Texto(DataEmissaoCartaoOpcional),
    Texto(Ciclos),
    Texto(CodigoAutorizacao),
    CampoAttr3(CAMPO_HOST_5, 255),
    CampoAttr3(CAMPO_HOST_6, 255),
    Campo(CAMPO_HOST_8),
    CampoAttr3(CAMPO_RESPOSTAS_PERGUNTAS, 255),
    CampoAttr3(CAMPO_HOST_7, 255),
};
}  // namespace

alignas(4) const ZvTrnRecord TrnCompraCredito = Registro(56, 1, ENTRADAS_COMPRA_CREDITO);

forms::Form* FrmCrd_Trn = nullptr;

void Initialization() {
    std::memset(CodigoAutorizacao, 0, sizeof CodigoAutorizacao);
    std::memset(Ciclos, 0, sizeof Ciclos);
    std::memset(DataEmissaoCartaoOpcional, 0, sizeof DataEmissaoCartaoOpcional);
    FrmCrd_Trn = nullptr;
}

void Finalization() { Initialization(); }

}  // namespace zv::CreditoTrnZentravela

namespace zv {

using namespace CreditoTrnZentravela;
using namespace registro;

TFrmCrd_Trn::TFrmCrd_Trn(std::string name) : TFrmTrn_Mod(std::move(name)) {
    SetCaption(Name());
    lbTitulo->SetCaption("FORMUL\xC1RIO PADR\xC3O PARA CAPTURA DE DADOS DE CART\xD5" "ES DE CR\xC9" "DITO");
    using namespace layout;

    // The amount joins the column of the boxes below it.
    Coloca(*lbValor, 10, 18, 250);
    Coloca(*edValor, 270, 15, 150);
    lbTaxaServico    = &Rotulo(*this, pnCaptura, "lbTaxaServico",    {10, 53, 250, 20},  "Taxa de Servi\xE7o:");
    edTaxaServico    = &Edicao(*this, pnCaptura, "edTaxaServico",    {270, 50, 150, 24}, {.ordemTab = 1, .aceita = aceita::Valor()});
    lbCodAutorizacao = &Rotulo(*this, pnCaptura, "lbCodAutorizacao", {10, 88, 250, 20},
                               "C\xF3" "digo de Autoriza\xE7\xE3o:");
    edCodAutorizacao = &Edicao(*this, pnCaptura, "edCodAutorizacao", {270, 85, 90, 24},
                               {.ordemTab = 2, .tamanhoMax = 6, .aceita = aceita::DigitosDoHost(),
                                .habilitado = false});
    lbDtemCart       = &Rotulo(*this, pnCaptura, "lbDtemCart",       {10, 123, 250, 20}, "Data Emissao:");
    edDtemCart       = &EdicaoMascara(*this, pnCaptura, "edDtemCart", {270, 120, 90, 24},
                                      {.ordemTab = 3, .tamanhoMax = 7, .habilitado = false,
                                       .mascara = "!99/9999;1;_", .texto = "  /    "});
    lbCiclos         = &Rotulo(*this, pnCaptura, "lbCiclos",         {10, 158, 250, 20}, "Ciclos:");
    edCiclos         = &Edicao(*this, pnCaptura, "edCiclos",         {270, 155, 40, 24},
                               {.ordemTab = 4, .tamanhoMax = 2, .aceita = aceita::DigitosDoHost(),
                                .habilitado = false});

    edTaxaServico->OnChange = [this](forms::Control& s) { edValorChange(s); };
    edTaxaServico->OnEnter = [this](forms::Control& s) { edTaxaServicoEnter(s); };
    edCodAutorizacao->OnEnter = [this](forms::Control& s) { edCodAutorizacaoEnter(s); };
    edDtemCart->OnEnter = [this](forms::Control& s) { edDtemCartEnter(s); };
    edCiclos->OnEnter = [this](forms::Control& s) { edCiclosEnter(s); };
}

void TFrmCrd_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    Transacao = &TrnCompraCredito;
    // The record sends these texts with every purchase: a value left by an
    // earlier sale (an authorisation code above all) must not travel with this one.
    ZeraTextoServico(CodigoAutorizacao);
    ZeraTextoServico(Ciclos);
    ZeraTextoServico(DataEmissaoCartaoOpcional);

    lbTaxaServico->SetCaption(host::Mensagem(MSG_ROTULO_TAXA_SERVICO));
    // Only the host library knows whether a fee applies to this amount.
    char naoUsado[256] = {};
    const bool taxa = IniciaTaxaServico(edValor->Text().c_str(), naoUsado, sizeof naoUsado, TaxaServico) != 0;
    edTaxaServico->SetEnabled(taxa);
    lbTaxaServico->SetEnabled(taxa);
    edTaxaServico->Clear();

    for (forms::Control* c : std::initializer_list<forms::Control*>{lbDtemCart, edDtemCart, lbCiclos, edCiclos,
                                                                    lbCodAutorizacao, edCodAutorizacao}) {
        c->SetEnabled(false);
    }

    if (VerificaServico5(TAG_DTEMCART, '1') != 0) HabilitaCaixa(*lbDtemCart, *edDtemCart, MSG_ROTULO_DATA_EMISSAO);
    if (VerificaServico5(TAG_CPRE, '1') != 0) {
        HabilitaCaixa(*lbCodAutorizacao, *edCodAutorizacao, MSG_ROTULO_COD_AUTORIZACAO);
    }
    // Empty now, what the operator types there is taken back at a stop.
    ValoresTela.Le(CAMPO_CICLOS);
    ValoresTela.Le(CAMPO_DATA_EMISSAO_CARTAO);
}

void TFrmCrd_Trn::HabilitaCiclos(int32_t posicao) {
    if (VerificaServico5MultiFlag(TAG_CICLOS, '1', posicao) != 0) {
        HabilitaCaixa(*lbCiclos, *edCiclos, MSG_ROTULO_CICLOS);
    }
}

bool TFrmCrd_Trn::DataEmissaoValida() const { return DataEmissaoCartaoValida(edDtemCart->Text()); }

bool TFrmCrd_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;

    if (ValidaTaxaServico(edValor->Text().c_str(), edTaxaServico->Text().c_str(), TaxaServico) == 0) {
        return Recusa(host::Mensagem(MSG_TAXA_SERVICO_INVALIDA), MB_VALIDACAO, edTaxaServico);
    }
    if (edCodAutorizacao->Enabled() && ConverteInteiro(edCodAutorizacao->Text(), 0) <= 0) {
        return Recusa(host::Mensagem(MSG_COD_AUTORIZACAO_INVALIDO), MB_VALIDACAO, edCodAutorizacao);
    }
    if (edDtemCart->Enabled() && !DataEmissaoValida()) {
        return Recusa(host::Mensagem(MSG_DATA_INVALIDA), MB_VALIDACAO, edDtemCart);
    }
    if (edCiclos->Enabled() && ConverteInteiro(edCiclos->Text(), 0) <= 0) {
        return Recusa(host::Mensagem(MSG_CICLOS_INVALIDO), MB_VALIDACAO, edCiclos);
    }
    return true;
}

bool TFrmCrd_Trn::GravaCamposFosdal() {
    if (!TFrmTrn_Mod::GravaCamposFosdal()) return false;

    if (host::GravaCampo(CAMPO_TAXA_SERVICO, host::RemoveFormato(edTaxaServico->Text())) != 0) return false;

    if (edCodAutorizacao->Enabled()) {
        ZeraTextoServico(CodigoAutorizacao);
        const std::string codigo = Trim(edCodAutorizacao->Text());
        if (host::GravaCampo(CAMPO_CODIGO_PRE_AUTORIZACAO, codigo) != 0) return false;
        PreencheTextoServico(CodigoAutorizacao, TAG_CAUT, codigo);
    }
    const auto grava = [this](int32_t campo, const std::string& texto) { return ValoresTela.GravaDaTela(campo, texto); };
    return GravaCiclos(*edCiclos, Ciclos, grava) && GravaDataEmissao(*edDtemCart, DataEmissaoCartaoOpcional, grava);
}

void TFrmCrd_Trn::edTaxaServicoEnter(forms::Control&) {
    ZvBool taxa = 0;
    ZvBool embarque = 0;
    VerificaSeTaxaServicoEmbarqueHabilitadaDebitoCredito(&taxa, &embarque);
    MostraPrompt(embarque != 0 ? MSG_PROMPT_TAXA_EMBARQUE : MSG_PROMPT_TAXA_SERVICO);
}

void TFrmCrd_Trn::edCiclosEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_CICLOS); }


void TFrmCrd_Trn::edDtemCartEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_DATA_EMISSAO); }

void TFrmCrd_Trn::edCodAutorizacaoEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_COD_AUTORIZACAO); }


}  // namespace zv
