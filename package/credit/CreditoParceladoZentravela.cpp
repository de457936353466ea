#include "credit/CreditoParceladoZentravela.h"

#include "common/Conversoes.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "host/Lumar.h"
#include "screens/Aceita.h"
#include "screens/LayoutTela.h"

namespace zv {

namespace {

// The instalment screen's capture panel, one row of label and box each 28 pixels.
constexpr layout::Grade GRADE{.passo = 28, .rotulo = {10, 11, 250, 20}, .caixa = {270, 8, 0, 24}};

}  // namespace

TFrmPar_Crd::TFrmPar_Crd(std::string name) : TFrmCrd_Trn(std::move(name)) {
    SetCaption(Name());
    lbTitulo->SetCaption("FORMUL\xC1RIO PARA CAPTURA DE DADOS DE CART\xD5" "ES DE CR\xC9" "DITO PARCELADO");
    using namespace layout;

    // Placed in their rows below.
    lbNumParcelas  = &Rotulo(*this, pnCaptura, "lbNumParcelas",  {}, "N\xFAmero de Parcelas:");
    edNumParcelas  = &Edicao(*this, pnCaptura, "edNumParcelas",  {}, {.tamanhoMax = 2, .aceita = aceita::Digitos()});
    lbValorEntrada = &Rotulo(*this, pnCaptura, "lbValorEntrada", {}, "Valor da Entrada:");
    edValorEntrada = &Edicao(*this, pnCaptura, "edValorEntrada", {}, {.tamanhoMax = 12, .aceita = aceita::Valor()});

    // The instalment boxes come right after the fee; the code, date and
    // cycles move down and lose their prompts here.
    DispoeLinhas(GRADE, {{lbValor,          edValor,          150},
                         {lbTaxaServico,    edTaxaServico,    150, 9},
                         {lbNumParcelas,    edNumParcelas,    40},
                         {lbValorEntrada,   edValorEntrada,   150},
                         {lbCodAutorizacao, edCodAutorizacao, 90},
                         {lbDtemCart,       edDtemCart,       90},
                         {lbCiclos,         edCiclos,         40}});

    edNumParcelas->OnEnter = [this](forms::Control& s) { edNumParcelasEnter(s); };
    edValorEntrada->OnChange = [this](forms::Control& s) { edValorChange(s); };
    edValorEntrada->OnEnter = [this](forms::Control& s) { edValorEntradaEnter(s); };
    edCodAutorizacao->OnEnter = nullptr;
    edDtemCart->OnEnter = nullptr;
}

void TFrmPar_Crd::IniciaCamposForm() {
    TFrmCrd_Trn::IniciaCamposForm();

    lbNumParcelas->SetCaption(host::Mensagem(MSG_ROTULO_PARCELAS));
    const std::string parcelas = Trim(ValoresTela.Le(CAMPO_NUMERO_PARCELAS, true));
    if (!parcelas.empty()) {
        // The host fixed the number of instalments.
        edNumParcelas->SetText(parcelas);
        edNumParcelas->SetEnabled(false);
    } else {
        edNumParcelas->SetText(Trim(host::LeCampo(CAMPO_PARCELAS_PADRAO)));
        edNumParcelas->SetEnabled(bPermiteAlterarDados);
    }

    lbValorEntrada->SetCaption(host::Mensagem(MSG_ROTULO_ENTRADA));
    const bool entrada = host::LeCampo(CAMPO_HABILITA_ENTRADA_10159) == "1" ||
                         host::LeCampo(CAMPO_HABILITA_ENTRADA_10160) == "1";
    edValorEntrada->SetEnabled(entrada);
    lbValorEntrada->SetEnabled(entrada);
    edValorEntrada->Clear();
}

bool TFrmPar_Crd::ValidaCamposForm() {
    if (!TFrmCrd_Trn::ValidaCamposForm()) return false;
    // A maximum of 0 takes both limits from the host's fields.
    return ValidaLimiteParcela(*edNumParcelas, *pnCaptura, *btConfirma, 0);
}

bool TFrmPar_Crd::GravaCamposFosdal() {
    if (!TFrmCrd_Trn::GravaCamposFosdal()) return false;
    if (ValoresTela.Grava(CAMPO_NUMERO_PARCELAS, edNumParcelas->Text()) != 0) return false;
    const std::string entrada =
        Trim(edValorEntrada->Text()).empty() ? std::string("0") : host::RemoveFormato(edValorEntrada->Text());
    return host::GravaCampo(CAMPO_VALOR_ENTRADA, entrada) == 0;
}

std::string TFrmPar_Crd::TipoVenda(const char* comEntrada, const char* semEntrada) const {
    const bool entradaDigitada = !edValorEntrada->Text().empty();
    if (entradaDigitada && host::LeCampo(CAMPO_HABILITA_ENTRADA_10160) == "1") return comEntrada;
    return semEntrada;
}

bool TFrmPar_Crd::GravaTipoVenda(const std::string& tipo) {
    return host::GravaCampo(CAMPO_TIPO_VENDA, tipo) == 0 && host::GravaCampo(CAMPO_TIPO_PARCELAMENTO, tipo) == 0;
}

void TFrmPar_Crd::edNumParcelasEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_PARCELAS); }

void TFrmPar_Crd::edValorEntradaEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_ENTRADA); }

}  // namespace zv

namespace zv::CreditoParceladoZentravela {

forms::Form* FrmPar_Crd = nullptr;

// Only its descendants are ever shown, so no class is registered here.
void Initialization() { FrmPar_Crd = nullptr; }
void Finalization() { FrmPar_Crd = nullptr; }

}  // namespace zv::CreditoParceladoZentravela
