#include "screens/TrnModeloZentravela.h"

#include <cstring>

#include "common/Conversoes.h"
#include "common/PerguntasGenerico.h"
#include "common/ServicoDados.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "forms/Label.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/Aceita.h"
#include "screens/CapturaPerguntasZentravela.h"
#include "screens/LayoutTela.h"

namespace zv::TrnModeloZentravela {
char caLitros[CA_LITROS_SIZE] = {};
bool bControlaKeyPreview = false;
}  // namespace zv::TrnModeloZentravela

namespace zv {

namespace {

constexpr forms::Color AZUL_MARINHO = 0x00800000;
const forms::Font ARIAL_12 = layout::Fonte("Arial", 12);
const forms::Font ARIAL_12_NEGRITO = layout::Fonte("Arial", 12, true, AZUL_MARINHO);

using TrnModeloZentravela::bControlaKeyPreview;

bool EhBotao(const forms::Control* c) { return dynamic_cast<const forms::GlyphButton*>(c) != nullptr; }

}  // namespace

TFrmTrn_Mod::TFrmTrn_Mod(std::string name) : TFrmMod(std::move(name)) {
    SetKeyPreview(true);
    lbTitulo->SetCaption("FORMUL\xC1RIO PADR\xC3O PARA CAPTURA DE DADOS");

    using namespace layout;
    constexpr auto REBAIXADO = forms::Bevel::Lowered;
    pnCaptura = &Painel(*this, nullptr,   "pnCaptura", {24, 106, 580, 210}, {.ordemTab = 1, .bevel = REBAIXADO});
    lbValor   = &Rotulo(*this, pnCaptura, "lbValor",   {16, 18, 160, 20},   "Valor:", {.fonte = ARIAL_12_NEGRITO});
    edValor   = &Edicao(*this, pnCaptura, "edValor",   {184, 14, 150, 26},  {.ordemTab = 0, .tamanhoMax = 12,
                                                                             .aceita = aceita::Valor(),
                                                                             .fonte = ARIAL_12});
    CriaPainelBotoes(pnBotoes, btConfirma, btRetorna);
    TClique   = &Temporizador(*this, "TClique", 10);

    // The design-time active control, chosen before any handler is bound.
    SetActiveControl(edValor);

    OnActivate = [this](forms::Form& s) { FormActivate(s); };
    EnterAvancaEnquanto(bControlaKeyPreview);
    edValor->OnChange = [this](forms::Control& s) { edValorChange(s); };
    edValor->OnEnter = [this](forms::Control& s) { edValorEnter(s); };
    btConfirma->OnClick = [this](forms::Control& s) { btConfirmaClick(s); };
    btConfirma->OnEnter = [this](forms::Control& s) { btConfirmaEnter(s); };
    btRetorna->OnClick = [this](forms::Control& s) { btRetornaClick(s); };
    btRetorna->OnEnter = [this](forms::Control& s) { btRetornaEnter(s); };
    TClique->OnTimer = [this](forms::Timer& s) { TCliqueTimer(s); };
}

// ---- Showing and preparing ---------------------------------------------------

void TFrmTrn_Mod::FormShow(forms::Form& sender) {
    bControlaKeyPreview = true;
    IniciaCamposForm();
    if (EhBotao(ActiveControl())) SelectNext(true, true);
    TFrmMod::FormShow(sender);
}

void TFrmTrn_Mod::IniciaCamposForm() {
    TFrmMod::IniciaCamposForm();
    lbValor->SetCaption(host::Mensagem(MSG_ROTULO_VALOR));
    btConfirma->SetCaption(host::Mensagem(MSG_BOTAO_CONFIRMA));
    btRetorna->SetCaption(host::Mensagem(MSG_BOTAO_RETORNA));

    bPermiteAlterarDados = PermiteAlterarDados() != 0;
    bSemValor = false;

    ValoresTela.Reinicia();
    const std::string valor = ValoresTela.Le(CAMPO_VALOR_TRANSACAO);
    if (!valor.empty()) {
        edValor->SetText(host::Dollar(host::RemoveFormato(valor)));
        edValor->SetEnabled(false);  // the host fixed the amount
    } else {
        edValor->SetEnabled(true);
    }

    host::GravaCampo(CAMPO_INICIO_TRANSACAO, "000");
    std::memset(TrnModeloZentravela::caLitros, 0, sizeof TrnModeloZentravela::caLitros);
    Confirmacao.Destrava();
}

// ---- Amount entry ---------------------------------------------------------------

void TFrmTrn_Mod::edValorChange(forms::Control& sender) {
    auto* edit = dynamic_cast<forms::Edit*>(&sender);
    if (edit == nullptr || edit->Text().empty()) return;
    edit->SetText(host::Dollar(host::RemoveFormato(edit->Text())));
    edit->SetSelStart(static_cast<int>(edit->Text().size()));
}

void TFrmTrn_Mod::edValorEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_VALOR); }

void TFrmTrn_Mod::btConfirmaEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_CONFIRMA); }

// Enter there returns: the prompt says so, as each box's prompt says what it takes.
void TFrmTrn_Mod::btRetornaEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_RETORNA); }

// ---- Automatic confirmation ----------------------------------------------------------

void TFrmTrn_Mod::FormActivate(forms::Form&) {
    if (ActiveControl() == btConfirma && btConfirma->Enabled()) TClique->SetEnabled(true);
}

void TFrmTrn_Mod::TCliqueTimer(forms::Timer& sender) {
    TClique->SetEnabled(false);
    forms::Application::Instance().ProcessMessages();
    if (btConfirma->Enabled()) btConfirmaClick(sender);
}

// ---- Model hooks ----------------------------------------------------------------------

bool TFrmTrn_Mod::ValidaCamposForm() {
    if (bSemValor || !edValor->Text().empty() || !edValor->Enabled()) return true;
    CaixaMensagem(host::Mensagem(MSG_PROMPT_VALOR), forms::MB_TOPMOST);
    pnCaptura->SetEnabled(true);
    if (edValor->Enabled()) {
        edValor->Clear();
        edValor->SetFocus();
    }
    return false;
}

bool TFrmTrn_Mod::Recusa(const std::string& texto, uint32_t flags, forms::Edit* campo) {
    CaixaMensagem(texto, flags);
    pnCaptura->SetEnabled(true);
    if (campo != nullptr && campo->Enabled()) campo->Clear();
    if (campo != nullptr && campo->CanFocus()) {
        campo->SetFocus();
    } else {
        SelectFirst();
    }
    return false;
}

bool TFrmTrn_Mod::GravaCamposFosdal() {
    if (!bSemValor && ValoresTela.Grava(CAMPO_VALOR_TRANSACAO, host::RemoveFormato(edValor->Text())) != 0)
        return false;
    VerificaGravaCampoTratamentoEspecialPagamentoCarne();
    return true;
}

bool TFrmTrn_Mod::VerificaAutorizaTransacao() { return AutorizaTransacao(Transacao, MensagemRef(), 1) != 0; }

bool TFrmTrn_Mod::VerificaSeCapturaDadosAdicionais() {
    const bool captura = VerificaServico5(TAG_DADOSADIC, '1') != 0;
    if (captura)
        host::GravaCampo(CAMPO_DADOS_ADICIONAIS, "1");
    else
        FosdalLimpaCampo(CAMPO_DADOS_ADICIONAIS);
    return captura;
}

bool TFrmTrn_Mod::TrataRespostaTransacao() { return true; }

bool TFrmTrn_Mod::PreparaConfirmacao() { return true; }

bool TFrmTrn_Mod::DesabilitaProcessaCartao() { return host::GravaCampo(CAMPO_PROCESSA_CARTAO, "0") == 0; }

// ---- Confirm sequence ----------------------------------------------------------------------

void TFrmTrn_Mod::btRetornaClick(forms::Control&) { SetModalResult(forms::mrCancel); }

void TFrmTrn_Mod::ConfirmacaoInterrompida() {
    ValoresTela.Devolve();
    lbMensagem->SetCaption("");
    forms::Control* foco = ActiveControl();
    if (foco != nullptr && foco->CanFocus() && foco->OnEnter) foco->OnEnter(*foco);
}

void TFrmTrn_Mod::btConfirmaClick(forms::Component&) {
    if (Confirmacao.Ocupada() || !Confirmacao.Prepara()) return;
    TSequenciaConfirma::TRodada rodada(Confirmacao);
    if (!rodada.Iniciada()) return;

    const bool ok = ValidaCamposForm() && GravaCamposFosdal() && VerificaTrataCamposPerguntas() &&
                    VerificaProcessaCartao() && VerificaCapturaSenha() && VerificaObtemDadosEmv();
    if (!ok) {
        // A card step that failed has closed the screen and told the client:
        // what was written stays with that answer. Otherwise nothing was done,
        // and the operator may correct and confirm again, unless the host
        // wants the screen closed.
        if (host::LeCampo(CAMPO_FECHA_EM_FALHA) == "1") {
            if (ModalResult() == forms::mrNone) ValoresTela.Devolve();
            SetModalResult(forms::mrOk);
        }
        return;
    }
    rodada.PedidoEnviado();

    ExibeMsgPinpad(host::Mensagem(MSG_PINPAD_PROCESSANDO).c_str());
    const int dpchip = ConverteInteiro(host::ServicoString(TAG_DPCHIP), 0);
    const std::string status = host::LeCampoBytes(CAMPO_STATUS_OPERACAO, 0, 3);

    AutorizaTransacao(Transacao, MensagemRef(), 0);

    if (!status.empty() && status[0] == '0' && VerificaTrataTrnReferida(MensagemRef(), Transacao) == 0) {
        SetModalResult(forms::mrOk);
        return;
    }

    lbMensagem->SetCaption(Trim(host::LeCampo(CAMPO_TEXTO_RESPOSTA)));
    forms::Application::Instance().ProcessMessages();

    if (ConverteInteiro(host::LeCampo(CAMPO_CODIGO_RESPOSTA), 255) == 0) TrataServicoA();
    TrataServicoEzinho(false);
    TrataRespostaTransacao();
    TrataServicoQ_010_ValorAprovado();
    TrataServicoQ_008_ValorAprovado();

    TrataMensagensCartaoCHIP(dpchip, MensagemRef(), AdviceCallback());
    FosdalGravaArquivo();
    FosdalLimpaCampo(CAMPO_VALOR_DISPONIVEL);
    SetModalResult(forms::mrOk);
}

// ---- Dynamic questions step ---------------------------------------------------------------------

bool TFrmTrn_Mod::VerificaTrataCamposPerguntas() {
    const int a = ConverteInteiro(host::LeCampo(CAMPO_MODO_PERGUNTAS), 0);
    const int b = ConverteInteiro(host::LeCampo(CAMPO_STATUS_OPERACAO), 0);
    const std::string c = host::LeCampo(CAMPO_MANTEM_PERGUNTAS);
    if ((c != "1" && a == 1) || (a == 4 && b == 7)) return true;

    VerificaServico5PerguntasGenerico(struct_Perguntas, RespostasPerguntas);
    if (VerificaServico5(TAG_PERG, 0) == 0) {
        TrnModeloZentravela::TrataCamposFuelControl();
        return true;
    }
    if (RespostasPerguntas.Lista1.empty()) return true;

    auto& app = forms::Application::Instance();
    forms::Form*& tela = CapturaPerguntasZentravela::FrmCap_Perg;
    if (tela == nullptr) tela = app.Create<TFrmCap_Perg>();
    // Freed whatever the outcome, also when an error escapes the modal run.
    struct Libera {
        forms::Form*& t;
        ~Libera() {
            if (t != nullptr) forms::Application::Instance().Destroy(t);
            t = nullptr;
        }
    } libera{tela};
    const int resultado = tela->ShowModal();
    // The client has been told the operation failed: it has ended for the
    // client, so nothing may be authorised after it.
    if (const auto* perguntas = dynamic_cast<const TFrmCap_Perg*>(tela); perguntas && perguntas->bErroInformado) {
        SetModalResult(forms::mrOk);
        return false;
    }
    return resultado != forms::mrCancel;
}

void HabilitaCaixa(forms::Label& rotulo, forms::Edit& caixa, int32_t legenda) {
    rotulo.SetCaption(host::Mensagem(legenda));
    rotulo.SetEnabled(true);
    caixa.SetEnabled(true);
    caixa.Clear();
}

}  // namespace zv

namespace zv::TrnModeloZentravela {

void TrataCamposFuelControl() {
    if (VerificaServico5(TAG_KM, '1') == 0) FosdalLimpaCampo(CAMPO_FUEL_KM);
    if (VerificaServico5(TAG_MATR, '1') == 0) FosdalLimpaCampo(CAMPO_FUEL_MATRICULA);
    if (VerificaServico5(TAG_PLACA, '1') == 0) FosdalLimpaCampo(CAMPO_FUEL_PLACA);
    if (VerificaServico5(TAG_LITR, '1') == 0) return;

    const std::string litros = host::LeCampo(CAMPO_FUEL_LITROS_1);
    const std::string valor = host::RemoveFormato(host::LeCampo(CAMPO_FUEL_LITROS_2));
    if (litros.empty() || valor.empty()) {
        FosdalLimpaCampo(CAMPO_FUEL_LITROS_1);
        FosdalLimpaCampo(CAMPO_FUEL_LITROS_2);
        return;
    }
    std::string texto = "LITR:" + litros + "," + valor;
    // A text that does not fit the 20 characters of the buffer is cut to 19,
    // the same cut a longer text gets.
    if (texto.size() >= static_cast<size_t>(CA_LITROS_SIZE)) texto.resize(19);
    std::memset(caLitros, 0, sizeof caLitros);
    std::memcpy(caLitros, texto.data(), texto.size());
}

void Initialization() {
    std::memset(caLitros, 0, sizeof caLitros);
    bControlaKeyPreview = false;
}

void Finalization() { Initialization(); }

}  // namespace zv::TrnModeloZentravela
