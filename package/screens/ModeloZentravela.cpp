#include "screens/ModeloZentravela.h"

#include <cstring>

#include "common/Conversoes.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "forms/MaskEdit.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/LayoutTela.h"

namespace zv {

namespace {

constexpr forms::Color AZUL_ESCURO = 8650752;  // 0x840000
constexpr forms::Color CINZA = 0x00808080;
constexpr forms::Color COR_BOTAO = 0x00C0C0C0;
constexpr size_t TAMANHO_PROMPT_PINPAD = 128;
constexpr const char* FIGURA_FUNDO = "Fundo Zentravela 620x420, 256 cores";
constexpr const char* FIGURA_LOGO = "Logo Zentravela 74x45 JPEG";

void ZV_HOSTAPI EscreveMensagem(void* context, const char* text) {
    auto* tela = static_cast<TFrmMod*>(context);
    if (tela != nullptr && tela->lbMensagem != nullptr) tela->lbMensagem->SetCaption(text ? text : "");
}

// The host calls this from inside its own code: nothing may escape into it.
ZvBool ZV_HOSTAPI ChamaAdvice(void* self, ZvBool advice) {
    try {
        return static_cast<TFrmMod*>(self)->EnviaTransacaoAdviceOffLine(advice != 0) ? 1 : 0;
    } catch (...) {
        forms::Application::Instance().HandleException(std::current_exception());
        return 0;
    }
}

// Clears the masked edit that holds the focus when the platform refused its input.
void LimpaMascaraInvalida(forms::Form& tela, const std::string& message) {
    if (message != forms::kInvalidInputMessage) return;
    if (auto* edit = dynamic_cast<forms::MaskEdit*>(tela.ActiveControl())) edit->Clear();
}

}  // namespace

TFrmMod::TFrmMod(std::string name) : forms::Form(std::move(name)) {
    SetCaption("FrmMod");
    SetBorderless(true);
    SetStayOnTop(true);
    SetColor(COR_BOTAO);
    SetSize(638, 461);
    using namespace layout;
    constexpr auto ESQUERDA = forms::Alignment::Left;
    constexpr auto DIREITA = forms::Alignment::Right;
    const forms::Font arial11 = Fonte("Arial", -11, true, AZUL_ESCURO);
    const PropsRotulo titulo{.alinhamento = ESQUERDA, .fonte = arial11, .transparente = true, .quebraLinha = true,
                             .autoTamanho = false};
    const PropsRotulo versao{.alinhamento = DIREITA, .fonte = arial11, .transparente = true, .quebraLinha = true,
                             .autoTamanho = false};
    const PropsRotulo mensagem{.alinhamento = ESQUERDA, .fonte = Fonte("Arial", -12, true, AZUL_ESCURO),
                               .transparente = true, .autoTamanho = false};

    ImgFundo   = &Imagem(*this, nullptr,   "ImgFundo",   {0, 0, 620, 420},   FIGURA_FUNDO, {.alinhaCliente = true});
    lbTitulo   = &Rotulo(*this, nullptr,   "lbTitulo",   {40, 6, 361, 22},   "FORMUL\xC1RIO PADR\xC3O", titulo);
    lbMensagem = &Rotulo(*this, nullptr,   "lbMensagem", {15, 404, 407, 19}, "Mensagem informativa ao operador",
                         mensagem);
    panelLogo  = &Painel(*this, nullptr,   "panelLogo",  {485, 374, 74, 45}, {.ordemTab = 0, .cor = CINZA});
    ImageLogo  = &Imagem(*this, panelLogo, "ImageLogo",  {0, 0, 74, 45},     FIGURA_LOGO,
                         {.alinhaCliente = true, .estica = true});
    lbVersao   = &Rotulo(*this, nullptr,   "lbVersao",   {192, 53, 407, 22}, "Modulo Zentravela - v1.0.0", versao);

    mensagemRef_.context = this;
    mensagemRef_.set_text = &EscreveMensagem;

    OnCreate = [this](forms::Form& s) { FormCreate(s); };
    OnShow = [this](forms::Form& s) { FormShow(s); };
    OnDestroy = [this](forms::Form& s) { FormDestroy(s); };
}

TFrmMod::~TFrmMod() {
    // The handler installed at creation points at this screen; leave one that
    // serves whichever screen is active instead of a dangling one.
    forms::Application::Instance().SetOnException([](std::exception_ptr, const std::string& message) {
        if (auto* ativa = forms::Application::Instance().ActiveForm()) LimpaMascaraInvalida(*ativa, message);
    });
}

void TFrmMod::MostraPrompt(int32_t mensagem) {
    lbMensagem->SetVisible(true);
    lbMensagem->SetCaption(host::Mensagem(mensagem));
}

void TFrmMod::EnterAvancaEnquanto(bool& controle) {
    auto avanca = [this, &controle] {
        return controle && dynamic_cast<const forms::GlyphButton*>(ActiveControl()) == nullptr;
    };
    OnKeyPress = [this, &controle, avanca](forms::Form&, char& key) {
        char filtrada = key;  // the filter only decides; the key goes on unchanged
        if (controle && ValKeyBoard(&filtrada) == forms::VK_RETURN && avanca()) {
            SelectNext(true, true);
            key = 0;
        }
        controle = true;
    };
    OnKeyPreviewQuery = [avanca](char k) {
        return k == forms::VK_RETURN && avanca() ? forms::PreviewEffect::SelectNext : forms::PreviewEffect::PassOn;
    };
}

void TFrmMod::CriaPainelBotoes(forms::Panel*& painel, forms::GlyphButton*& confirma, forms::GlyphButton*& retorna) {
    using namespace layout;
    painel   = &Painel(*this, nullptr, "pnBotoes", {111, 330, 400, 40},             {.ordemTab = 2});
    confirma = &Botao(*this, painel, "btConfirma", {70, 8, 120, 25},  "&1 - Confirma", {.ordemTab = 0});
    retorna  = &Botao(*this, painel, "btRetorna",  {210, 8, 120, 25}, "&9 - Cancela",  {.ordemTab = 1});
}

ZvAdviceCallback TFrmMod::AdviceCallback() {
    ZvAdviceCallback cb{};
    cb.self = this;
    cb.call = &ChamaAdvice;
    return cb;
}

void TFrmMod::CreateParams(forms::CreateParamsRec& params) {
    forms::Form::CreateParams(params);
    params.exStyle |= forms::WS_EX_TOPMOST;
    params.wndParent = ModeloZentravela::JANELA_DESKTOP;
}

void TFrmMod::FormCreate(forms::Form& sender) {
    VERSAO_DO_MODULO = host::BuildInfo("Zentravela.bpl");
    const std::string titulo = "Zentravela - v" + VERSAO_DO_MODULO;
    lbVersao->SetCaption(titulo);
    CopiaTexto(TITULO_APLICACAO, TITULO_APLICACAO_SIZE, titulo);

    forms::Application::Instance().SetOnException(
        [this](std::exception_ptr error, const std::string& message) { DataException(error, message); });

    sender.Handle();  // the window exists before its styles are changed
    sender.SetExStyle(sender.ExStyle() | forms::WS_EX_TOOLWINDOW);

    host::Audit("Criou: " + Name());
}

void TFrmMod::FormShow(forms::Form&) {
    SetSize(622, 422);
    ColocaJanelaEmPrimeiroPlano(forms::Application::Instance().Handle());
    if (CanFocus()) SetFocus();
    SelectFirst();
}

void TFrmMod::FormDestroy(forms::Form&) { host::Audit("Destruiu: " + Name()); }

void TFrmMod::DataException(std::exception_ptr, const std::string& message) {
    // Everything but the mask error is swallowed on purpose: the screen goes on.
    LimpaMascaraInvalida(*this, message);
}

void TFrmMod::IniciaCamposForm() {
    lbMensagem->SetCaption("");
    bCapturaSenha = true;
}

bool TFrmMod::VerificaCapturaSenha() {
    bool resultado = true;
    if (bCapturaSenha) {
        host::Audit("Captura Senha");
        std::string prompt = lbTitulo->Caption();
        if (prompt.size() > TAMANHO_PROMPT_PINPAD) prompt.resize(TAMANHO_PROMPT_PINPAD);
        const ZvStatus status = LerSenha(forms::Application::Instance().Handle(), "", "", 0, prompt.c_str());
        if (status != 0) {
            SetModalResult(forms::mrOk);
            host::Audit("Erro Captura Senha");
            FosdalGravaArquivo();
            FosdalLimpaCampo(CAMPO_VALOR_DISPONIVEL);
            resultado = false;
        }
    }
    if (host::LeCampo(CAMPO_MODO_ENTRADA) == "22") host::GravaCampo(CAMPO_MODO_ENTRADA, "1");
    return resultado;
}

bool TFrmMod::VerificaObtemDadosEmv() {
    if (VerificaObtemDadosCartao(MensagemRef()) != 0) return true;
    SetModalResult(forms::mrOk);
    return false;
}

bool TFrmMod::VerificaProcessaCartao() {
    const bool ok = VerificaProcessamentoCartao(MensagemRef(), AdviceCallback()) != 0;
    if (!ok) SetModalResult(forms::mrOk);
    return ok;
}

bool TFrmMod::EnviaTransacaoAdviceOffLine(bool advice) {
    if (!VerificaObtemDadosEmv()) return false;
    if (!GravaCamposFosdal()) return false;
    if (advice) host::GravaCampo(CAMPO_ADVICE, "1");
    const bool autorizada = AutorizaTransacao(Transacao, MensagemRef(), 0) != 0;
    if (advice) FosdalLimpaCampo(CAMPO_ADVICE);
    return autorizada;
}

bool TFrmMod::GravaCamposFosdal() { return true; }

bool TFrmMod::ValidaLimiteParcela(forms::Edit& edit, forms::Panel& panel, forms::GlyphButton& button,
                                  int maximo) {
    int minimo = ConverteInteiro(host::LeCampo(CAMPO_MINIMO_PARCELAS), 2);
    if (minimo == 0) minimo = 2;
    if (maximo == 0) maximo = ConverteInteiro(host::LeCampo(CAMPO_MAXIMO_PARCELAS), 99);

    const int n = ConverteInteiro(edit.Text(), -1);
    const std::string t = Trim(edit.Text());
    bool ok = true;
    if (t.empty() || n < 0 || n < minimo) {
        CaixaMensagem(host::MensagemFormatada(MSG_PARCELAS_ABAIXO_MINIMO,
                                              {std::to_string(minimo), std::to_string(maximo)}),
                      forms::MB_TOPMOST);
        ok = false;
    } else if (n > maximo) {
        CaixaMensagem(host::Mensagem(MSG_PARCELAS_ACIMA_MAXIMO), forms::MB_TOPMOST);
        ok = false;
    }
    if (!ok) {
        panel.SetEnabled(true);
        if (edit.CanFocus())
            edit.SetFocus();
        else if (button.CanFocus())
            button.SetFocus();
        else
            SelectFirst();
    }
    return ok;
}

}  // namespace zv

namespace zv::ModeloZentravela {

// The base screen holds no unit data; its screens are created by derived units.
void Initialization() {}
void Finalization() {}

}  // namespace zv::ModeloZentravela
