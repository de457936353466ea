#include "credit/CreditoParceladoZentravela.h"

#include "common/Conversoes.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "host/Lumar.h"

namespace zv {

namespace {

constexpr int LINHA = 28;

// Where each box of the instalment screen sits in the capture panel.
void Posiciona(forms::Label& rotulo, forms::Edit& campo, int linha, int largura) {
    const int topo = 8 + linha * LINHA;
    rotulo.SetBounds(10, topo + 3, 250, 20);
    campo.SetBounds(270, topo, largura, 24);
}

}  // namespace

TFrmPar_Crd::TFrmPar_Crd(std::string name) : TFrmCrd_Trn(std::move(name)) {
    SetCaption(Name());
    lbTitulo->SetCaption("FORMUL\xC1RIO PARA CAPTURA DE DADOS DE CART\xD5" "ES DE CR\xC9" "DITO PARCELADO");

    edTaxaServico->SetMaxLength(9);

    lbNumParcelas = &Add<forms::Label>("lbNumParcelas", pnCaptura);
    lbNumParcelas->SetAlignment(forms::Alignment::Right);
    lbNumParcelas->SetCaption("N\xFAmero de Parcelas:");
    edNumParcelas = &Add<forms::Edit>("edNumParcelas", pnCaptura);
    edNumParcelas->SetMaxLength(2);
    edNumParcelas->SetTabStop(true);
    edNumParcelas->OnEnter = [this](forms::Control& s) { edNumParcelasEnter(s); };
    edNumParcelas->OnKeyPress = [this](forms::Control& s, char& k) { edNumParcelasKeyPress(s, k); };

    lbValorEntrada = &Add<forms::Label>("lbValorEntrada", pnCaptura);
    lbValorEntrada->SetAlignment(forms::Alignment::Right);
    lbValorEntrada->SetCaption("Valor da Entrada:");
    edValorEntrada = &Add<forms::Edit>("edValorEntrada", pnCaptura);
    edValorEntrada->SetMaxLength(12);
    edValorEntrada->SetTabStop(true);
    edValorEntrada->OnChange = [this](forms::Control& s) { edValorChange(s); };
    edValorEntrada->OnKeyPress = [this](forms::Control& s, char& k) { edValorKeyPress(s, k); };
    edValorEntrada->OnEnter = [this](forms::Control& s) { edValorEntradaEnter(s); };

    // The instalment boxes come right after the fee; the code, date and
    // cycles move down and lose their prompts here.
    edCodAutorizacao->OnEnter = nullptr;
    edDtemCart->OnEnter = nullptr;
    edValor->SetTabOrder(0);
    edTaxaServico->SetTabOrder(1);
    edNumParcelas->SetTabOrder(2);
    edValorEntrada->SetTabOrder(3);
    edCodAutorizacao->SetTabOrder(4);
    edDtemCart->SetTabOrder(5);
    edCiclos->SetTabOrder(6);

    Posiciona(*lbValor, *edValor, 0, 150);
    Posiciona(*lbTaxaServico, *edTaxaServico, 1, 150);
    Posiciona(*lbNumParcelas, *edNumParcelas, 2, 40);
    Posiciona(*lbValorEntrada, *edValorEntrada, 3, 150);
    Posiciona(*lbCodAutorizacao, *edCodAutorizacao, 4, 90);
    Posiciona(*lbDtemCart, *edDtemCart, 5, 90);
    Posiciona(*lbCiclos, *edCiclos, 6, 40);
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

void TFrmPar_Crd::edNumParcelasKeyPress(forms::Control&, char& key) {
    const char c = ValKeyBoard(&key);
    const bool aceita = c == forms::VK_BACK || c == forms::VK_RETURN || (c >= '0' && c <= '9');
    if (!aceita) key = 0;
}

void TFrmPar_Crd::edNumParcelasEnter(forms::Control&) { MostraMensagem(MSG_PROMPT_PARCELAS); }

void TFrmPar_Crd::edValorEntradaEnter(forms::Control&) { MostraMensagem(MSG_PROMPT_ENTRADA); }

}  // namespace zv

namespace zv::CreditoParceladoZentravela {

forms::Form* FrmPar_Crd = nullptr;

// Only its descendants are ever shown, so no class is registered here.
void Initialization() { FrmPar_Crd = nullptr; }
void Finalization() { FrmPar_Crd = nullptr; }

}  // namespace zv::CreditoParceladoZentravela
