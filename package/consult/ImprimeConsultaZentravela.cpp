#include "consult/ImprimeConsultaZentravela.h"

#include <utility>

#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/LayoutTela.h"
#include "screens/MenuModeloZentravela.h"

namespace zv::ImprimeConsultaZentravela {

std::string sNumeroParcela;
std::string sValorParcela;
std::string sValorPago;
std::string sTaxaJuros;

forms::Form* FrmImprime_Mod = nullptr;

namespace {
void Zera() {
    sNumeroParcela.clear();
    sValorParcela.clear();
    sValorPago.clear();
    sTaxaJuros.clear();
    FrmImprime_Mod = nullptr;
}
}  // namespace

void MostraCupomConsulta() {
    auto& app = forms::Application::Instance();
    if (FrmImprime_Mod == nullptr) FrmImprime_Mod = app.Create<TFrmImprime_Mod>();
    struct Libera {
        ~Libera() {
            if (FrmImprime_Mod != nullptr) forms::Application::Instance().Destroy(FrmImprime_Mod);
            FrmImprime_Mod = nullptr;
        }
    } libera;
    FrmImprime_Mod->ShowModal();
}

void Initialization() { Zera(); }
void Finalization() { Zera(); }

}  // namespace zv::ImprimeConsultaZentravela

namespace zv {

using namespace ImprimeConsultaZentravela;

namespace {

// The answer: one character, then 64 for each plan.
constexpr size_t INICIO_PLANOS = 1;
constexpr size_t TAMANHO_PLANO = 64;
struct Trecho {
    size_t inicio;
    size_t tamanho;
};
constexpr Trecho NUMERO_PARCELAS{0, 2};
constexpr Trecho VALOR_PARCELA{2, 12};
constexpr Trecho VALOR_PAGO{14, 12};
constexpr Trecho TAXA_JUROS{26, 7};

// A receipt line is 39 characters: the caption, then the value in 13.
constexpr int LARGURA_LINHA = 39;
constexpr int LARGURA_VALOR = 13;

// What the answer holds from `inicio` on, at most `tamanho` characters; empty past its end.
std::string Parte(const std::string& resposta, size_t inicio, size_t tamanho) {
    return inicio < resposta.size() ? resposta.substr(inicio, tamanho) : std::string();
}

std::string Valor(const std::string& digitos) {
    return host::Padr(host::Dollar(host::RemoveFormato(digitos)), LARGURA_VALOR);
}

}  // namespace

TFrmImprime_Mod::TFrmImprime_Mod(std::string name) : TFrmMod(std::move(name)) {
    SetCaption(Name());
    using namespace layout;
    const auto COURIER = Fonte("Courier New", -11, false, AZUL_MARINHO);
    const auto ARIAL = Fonte("Arial", 12, false, AZUL_MARINHO);
    MemoConsulta = &Memorando(*this, nullptr, "MemoConsulta", {136, 96, 345, 169}, 1, COURIER);
    pnBotoes     = &Painel(*this, nullptr,    "pnBotoes",     {111, 330, 400, 40}, {.ordemTab = 2});
    btImprime    = &Botao(*this, pnBotoes,    "btImprime",    {31, 4, 120, 25},    "&1 - Imprime",
                          {.ordemTab = 0, .fonte = ARIAL});
    btRetorna    = &Botao(*this, pnBotoes,    "btRetorna",    {248, 4, 120, 25},   "&9 - Retorna",
                          {.ordemTab = 1, .fonte = ARIAL});
    MemoConsulta->Add("MemoConsulta");

    SetActiveControl(MemoConsulta);
    btImprime->OnClick = [this](forms::Control& s) { btImprimeClick(s); };
    btRetorna->OnClick = [this](forms::Control& s) { btRetornaClick(s); };
    // The message line says what Enter does where the focus stands; the receipt itself takes no Enter.
    btImprime->OnEnter = [this](forms::Control&) { MostraPrompt(MSG_PROMPT_CONFIRMA); };
    btRetorna->OnEnter = [this](forms::Control&) { MostraPrompt(MSG_PROMPT_RETORNA); };
    MemoConsulta->OnEnter = [this](forms::Control&) { lbMensagem->SetCaption(""); };
}

// ---- The receipt ----------------------------------------------------------------

void TFrmImprime_Mod::FormShow(forms::Form&) {
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_CONSULTA));
    MemoConsulta->SetVisible(true);
    MemoConsulta->Clear();

    // Never more than the buffer holds, however long the field is; the text
    // ends at its first zero byte, the count of plans goes by the length read.
    const std::string lido =
        host::LeCampoBytes(CAMPO_RESPOSTA_CONSULTA, 0, TAMANHO_RESPOSTA_CONSULTA);
    const std::string resposta = lido.substr(0, lido.find('\0'));
    if (!lido.empty()) {
        AdicionaCabecalho();
        int32_t plano = 0;
        for (size_t inicio = INICIO_PLANOS; inicio < lido.size(); inicio += TAMANHO_PLANO, ++plano) {
            AdicionaPlano(resposta, inicio);
            GravaServicoX(plano);  // a refused write does not keep the receipt from the operator
        }
    }

    MemoConsulta->SetReadOnly(true);
    btImprime->SetFocus();
}

void TFrmImprime_Mod::AdicionaCabecalho() {
    auto centrado = [](const std::string& texto) {
        return host::Centraliza(texto, (LARGURA_LINHA - static_cast<int>(texto.size())) / 2);
    };
    MemoConsulta->Add(centrado(" Z E N T R A V E L A "));
    MemoConsulta->Add(" ");
    MemoConsulta->Add(centrado("   Parcelas"));
    MemoConsulta->Add(" ");
}

void TFrmImprime_Mod::AdicionaPlano(const std::string& resposta, size_t inicio) {
    auto trecho = [&](Trecho t) { return Parte(resposta, inicio + t.inicio, t.tamanho); };
    sNumeroParcela = trecho(NUMERO_PARCELAS);
    sValorParcela = trecho(VALOR_PARCELA);
    sValorPago = trecho(VALOR_PAGO);
    sTaxaJuros = trecho(TAXA_JUROS);
    MemoConsulta->Add("      N\xFAmero de Parcelas: " + host::Padr(sNumeroParcela, LARGURA_VALOR));
    MemoConsulta->Add("   Valor de cada Parcela: " + Valor(sValorParcela));
    MemoConsulta->Add("        Valor a ser Pago: " + Valor(sValorPago));
    MemoConsulta->Add("           Taxa de Juros: " + Valor(sTaxaJuros));
    MemoConsulta->Add(" ");
}

ZvStatus TFrmImprime_Mod::GravaServicoX(int32_t plano) {
    const std::pair<int32_t, const std::string*> campos[] = {{CAMPO_PLANO_NUMERO_PARCELAS, &sNumeroParcela},
                                                             {CAMPO_PLANO_VALOR_PARCELA, &sValorParcela},
                                                             {CAMPO_PLANO_VALOR_TOTAL, &sValorPago},
                                                             {CAMPO_PLANO_TAXA_JUROS, &sTaxaJuros}};
    ZvStatus status = 0;
    for (const auto& [campo, texto] : campos) {
        status = host::GravaCampo(campo, *texto, plano);
        if (status != 0) break;
    }
    return status;
}

// ---- The operator's choice -----------------------------------------------------------

void TFrmImprime_Mod::btImprimeClick(forms::Control&) {
    MenuModeloZentravela::ImprimeCupom = true;
    Close();
}

void TFrmImprime_Mod::btRetornaClick(forms::Control&) {
    const std::string naoEfetuada = host::Mensagem(MSG_TRANSACAO_NAO_EFETUADA);
    host::GravaCampo(CAMPO_CODIGO_RESPOSTA, "FF");
    host::GravaCampo(CAMPO_TEXTO_RESPOSTA, naoEfetuada);
    host::GravaCampo(CAMPO_TEXTO_CARTAO_RECUSADO, naoEfetuada);
    host::GravaCampo(CAMPO_TEXTO_RECIBO, naoEfetuada);
    MenuModeloZentravela::ImprimeCupom = false;
    Close();
}

}  // namespace zv
