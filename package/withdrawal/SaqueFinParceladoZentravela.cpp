#include "withdrawal/SaqueFinParceladoZentravela.h"

#include <algorithm>

#include "common/Conversoes.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "forms/Types.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/Aceita.h"
#include "screens/LayoutTela.h"

namespace zv {

namespace {

constexpr int MINIMO_PARCELAS = 2;
constexpr int MAXIMO_PARCELAS = 99;

// Characters `inicio` and the next of "NPSAQ:" (minimum 1-2, maximum 3-4) as a number.
int LimiteNpsaq(const std::string& valor, size_t inicio, int padrao) {
    return inicio < valor.size() ? ConverteInteiro(valor.substr(inicio, 2), padrao) : padrao;
}

}  // namespace

TFrmPar_Saq::TFrmPar_Saq(std::string name) : TFrmSaq_Fin(std::move(name)) {
    SetCaption(Name());
    using namespace layout;
    lbNumParcelas = &Rotulo(*this, pnCaptura, "lbNumParcelas", {25, 56, 132, 20}, "N\xFAmero de Parcelas:");
    edNumParcelas = &Edicao(*this, pnCaptura, "edNumParcelas", {165, 52, 40, 24},
                            {.tamanhoMax = 2, .aceita = aceita::Digitos()});
    // The date and cycles move down under the instalments, and after them in the tab order.
    Coloca(*lbDtemCart, lbDtemCart->Left(), 99,  lbDtemCart->Width());
    Coloca(*edDtemCart, edDtemCart->Left(), 94,  edDtemCart->Width());
    Coloca(*lbCiclos,   lbCiclos->Left(),   140, lbCiclos->Width());
    Coloca(*edCiclos,   edCiclos->Left(),   136, edCiclos->Width());
    OrdemTab({edValor, edNumParcelas, edDtemCart, edCiclos});

    edNumParcelas->OnEnter = [this](forms::Control& s) { edNumParcelasEnter(s); };
}

void TFrmPar_Saq::IniciaCamposForm() {
    TFrmSaq_Fin::IniciaCamposForm();
    lbNumParcelas->SetCaption(host::Mensagem(MSG_ROTULO_PARCELAS));

    // A number the host supplied is locked.
    const std::string parcelas = ValoresTela.Le(CAMPO_NUMERO_PARCELAS);
    edNumParcelas->SetText(parcelas);
    edNumParcelas->SetEnabled(parcelas.empty());

    const std::string npsaq = host::ServicoString(TAG_NPSAQ);
    if (!npsaq.empty()) {
        MinimoParcelas = LimiteNpsaq(npsaq, 0, MINIMO_PARCELAS);
        MaximoParcelas = LimiteNpsaq(npsaq, 2, MAXIMO_PARCELAS);
    } else {
        MinimoParcelas = ConverteInteiro(host::LeCampo(CAMPO_MINIMO_PARCELAS), MINIMO_PARCELAS);
        MaximoParcelas = ConverteInteiro(host::LeCampo(CAMPO_MAXIMO_PARCELAS), MAXIMO_PARCELAS);
    }
    MinimoParcelas = std::max(MinimoParcelas, MINIMO_PARCELAS);
}

bool TFrmPar_Saq::ValidaCamposForm() {
    // The number first: the amount and the issue date come after it.
    return ValidaLimiteParcela() && TFrmSaq_Fin::ValidaCamposForm();
}

bool TFrmPar_Saq::ValidaLimiteParcela() {
    if (Trim(edNumParcelas->Text()).empty()) return true;
    const int n = ConverteInteiro(edNumParcelas->Text(), 0);
    if (n < MinimoParcelas) {
        const std::string texto = host::MensagemFormatada(
            MSG_PARCELAS_ABAIXO_MINIMO, {std::to_string(MinimoParcelas), std::to_string(MaximoParcelas)});
        return Recusa(texto, forms::MB_TOPMOST, edNumParcelas);
    }
    if (n > MaximoParcelas) {
        return Recusa(host::Mensagem(MSG_PARCELAS_ACIMA_MAXIMO), MB_VALIDACAO, edNumParcelas);
    }
    return true;
}

bool TFrmPar_Saq::GravaCamposFosdal() {
    // As typed: an empty number goes to the host empty.
    return TFrmSaq_Fin::GravaCamposFosdal() && ValoresTela.Grava(CAMPO_NUMERO_PARCELAS, edNumParcelas->Text()) == 0;
}

void TFrmPar_Saq::edNumParcelasEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_PARCELAS); }


}  // namespace zv

namespace zv::SaqueFinParceladoZentravela {

forms::Form* FrmPar_Saq = nullptr;

void Initialization() {
    FrmPar_Saq = nullptr;
    RegistraTela<TFrmPar_Saq>("TFrmPar_Saq");
}

void Finalization() {
    RemoveClasseTela("TFrmPar_Saq");
    FrmPar_Saq = nullptr;
}

}  // namespace zv::SaqueFinParceladoZentravela
