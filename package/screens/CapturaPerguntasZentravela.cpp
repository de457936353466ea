#include "screens/CapturaPerguntasZentravela.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

#include "common/Conversoes.h"
#include "common/PerguntasGenerico.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "forms/Locale.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/LayoutTela.h"
#include "screens/TrnModeloZentravela.h"

namespace zv::CapturaPerguntasZentravela {
bool bControlaKeyPreview = false;
forms::Form* FrmCap_Perg = nullptr;
}  // namespace zv::CapturaPerguntasZentravela

namespace zv {

namespace {

constexpr const char* MASCARA_SIM_NAO = "l;1;_";
constexpr int TOPOS_ROTULO[TFrmCap_Perg::MAX_VISIVEIS] = {12, 54, 97, 140, 183};
constexpr int TOPOS_EDIT[TFrmCap_Perg::MAX_VISIVEIS] = {27, 69, 112, 155, 198};

using CapturaPerguntasZentravela::bControlaKeyPreview;

// A text of a fixed-size, zero-filled record field, up to its first zero.
template <size_t N>
std::string TextoCampo(const char (&campo)[N]) {
    return std::string(campo, strnlen(campo, N));
}

// Members of the packed tables are copied before use: a reference to one may be misaligned.
int QuantidadePerguntas() {
    const int32_t n = PerguntasGenerica.Count;
    return std::clamp<int32_t>(n, 0, MAX_PERGUNTAS);
}

constexpr std::string_view MARCA_ITEM = "PERG:";

// Where an item's mark starts in a text, in any letter case; npos when nowhere.
size_t InicioDeItem(const std::string& texto) {
    for (size_t i = 0; i + MARCA_ITEM.size() <= texto.size(); ++i) {
        size_t n = 0;
        while (n < MARCA_ITEM.size() && std::toupper(static_cast<unsigned char>(texto[i + n])) == MARCA_ITEM[n]) ++n;
        if (n == MARCA_ITEM.size()) return i;
    }
    return std::string::npos;
}

// The answer as the host wants it: trimmed and without display formatting.
// What parts the items and fields of the list in field 10278 never comes from
// the operator, so an answer can neither end its item nor start another.
std::string Resposta(const forms::MaskEdit& edit) {
    std::string resposta = host::RemoveFormato(Trim(edit.Text()));
    resposta.erase(std::remove_if(resposta.begin(), resposta.end(),
                                  [](char c) { return c == ',' || c == ';' || c == '\0'; }),
                   resposta.end());
    // Taking one out may join another ("PEPERG:RG:").
    for (size_t i; (i = InicioDeItem(resposta)) != std::string::npos;) resposta.erase(i, MARCA_ITEM.size());
    return Trim(resposta);
}

}  // namespace

TFrmCap_Perg::TFrmCap_Perg(std::string name) : TFrmMod(std::move(name)) {
    SetKeyPreview(true);

    using namespace layout;
    pnCaptura = &Painel(*this, nullptr, "pnCaptura", {20, 82, 580, 234},
                        {.ordemTab = 1, .bevel = forms::Bevel::Lowered});
    const PropsRotulo pergunta{.alinhamento = forms::Alignment::Left, .visivel = false};
    const forms::Font arial = Fonte("Arial", -13);
    constexpr auto MAIUSCULAS = forms::CharCase::Upper;
    for (int i = 0; i < MAX_EDITS; ++i) {
        const std::string n = std::to_string(i + 1);
        const int x = i < MAX_VISIVEIS ? 18 : 303;
        const int linha = i % MAX_VISIVEIS;
        lbPergunta[i] = &Rotulo(*this, pnCaptura, ("lbPergunta" + n).c_str(), {x, TOPOS_ROTULO[linha], 260, 15},
                                ("Pergunta" + n + "_DadosLivres:").c_str(), pergunta);
        edPergunta[i] = &EdicaoMascara(*this, pnCaptura, ("edPergunta" + n).c_str(), {x, TOPOS_EDIT[linha], 260, 24},
                                       {.ordemTab = i, .fonte = arial, .caixa = MAIUSCULAS, .visivel = false});
        edPergunta[i]->OnEnter = [this](forms::Control& s) { edPergunta1Enter(s); };
        edPergunta[i]->OnKeyPress = [this](forms::Control& s, char& k) { edPergunta1KeyPress(s, k); };
        edPergunta[i]->OnKeyPressQuery = [e = edPergunta[i]](char k) { return RespostaAceita(*e, k); };
    }
    CriaPainelBotoes(pnBotoes, btConfirma, btRetorna);
    btConfirma->OnClick = [this](forms::Control& s) { btConfirmaClick(s); };
    btConfirma->OnEnter = [this](forms::Control& s) { btConfirmaEnter(s); };
    btRetorna->OnClick = [this](forms::Control& s) { btRetornaClick(s); };
    btRetorna->OnEnter = [this](forms::Control& s) { btRetornaEnter(s); };

    EnterAvancaEnquanto(bControlaKeyPreview);
}

// ---- Preparing ------------------------------------------------------------------

void TFrmCap_Perg::FormCreate(forms::Form& sender) {
    TFrmMod::FormCreate(sender);
    IniciaCamposForm();
}

void TFrmCap_Perg::IniciaCamposForm() {
    TFrmMod::IniciaCamposForm();
    lbTitulo->SetCaption(host::Mensagem(MSG_TITULO_PERGUNTAS));
    btConfirma->SetCaption(host::Mensagem(MSG_BOTAO_CONFIRMA));
    btRetorna->SetCaption(host::Mensagem(MSG_BOTAO_RETORNA));
    PreparaCamposColetaPerguntas();
}

void TFrmCap_Perg::PreparaCamposColetaPerguntas() {
    PerguntasGenerica.Count = static_cast<int32_t>(RespostasPerguntas.Lista1.size());
    const int n = std::min(QuantidadePerguntas(), static_cast<int>(MAX_VISIVEIS));
    for (int i = 0; i < n; ++i) {
        const TPerguntaGenerica& p = PerguntasGenerica.Itens[i];
        try {
            lbPergunta[i]->SetCaption(Trim(TextoCampo(p.Pergunta)));
            lbPergunta[i]->Show();
            edPergunta[i]->Clear();
            edPergunta[i]->Show();
            const int32_t maximo = p.TamanhoMaximo;
            edPergunta[i]->SetMaxLength(std::clamp<int32_t>(maximo, 0, CapturaPerguntasZentravela::RESPOSTAS_SIZE));
            CapturaPerguntasZentravela::FormataMascara(p.Tipo, *edPergunta[i]);
        } catch (...) {
            // One badly defined question must not keep the others from the operator.
        }
    }
}

void TFrmCap_Perg::FormShow(forms::Form& sender) {
    TFrmMod::FormShow(sender);
    bControlaKeyPreview = true;
    if (edPergunta[0]->CanFocus()) edPergunta[0]->SetFocus();
}

// ---- Prompts and keys ----------------------------------------------------------------

void TFrmCap_Perg::edPergunta1Enter(forms::Control&) {
    auto* edit = dynamic_cast<forms::MaskEdit*>(ActiveControl());
    if (edit == nullptr) return;
    const forms::Control* rotulo = FindControl("lb" + edit->Name().substr(2));
    std::string texto = host::MensagemFormatada(MSG_PROMPT_PERGUNTA, {rotulo ? rotulo->Caption() : ""});
    if (edit->EditMask() == MASCARA_SIM_NAO) texto += " " + host::Mensagem(MSG_SIM_NAO);
    lbMensagem->SetCaption(texto);
}

void TFrmCap_Perg::edPergunta1KeyPress(forms::Control& sender, char& key) { key = RespostaAceita(sender, key); }

// An S/N answer box takes S and N alone; the key line asks this too.
char TFrmCap_Perg::RespostaAceita(const forms::Control& sender, char key) {
    const auto* edit = dynamic_cast<const forms::MaskEdit*>(&sender);
    if (edit == nullptr || edit->EditMask() != MASCARA_SIM_NAO) return key;
    return key == 'S' || key == 'N' || key == 's' || key == 'n' ? key : 0;
}

void TFrmCap_Perg::btConfirmaEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_CONFIRMA); }

void TFrmCap_Perg::btRetornaEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_RETORNA_PERGUNTAS); }

// ---- Confirming ------------------------------------------------------------------------

void TFrmCap_Perg::btConfirmaClick(forms::Control&) {
    bControlaKeyPreview = false;
    auto habilita = [this](bool h) {
        pnCaptura->SetEnabled(h);
        btConfirma->SetEnabled(h);
        btRetorna->SetEnabled(h);
    };
    habilita(false);
    MostraPrompt(MSG_AGUARDE);
    forms::Application::Instance().ProcessMessages();
    // Enabled again also when an error escapes, so the operator can always go on.
    struct Habilita {
        decltype(habilita)& h;
        ~Habilita() { h(true); }
    } reabilita{habilita};
    if (ValidaCamposForm() && GravaRespostasPerguntasDinamicas()) SetModalResult(forms::mrOk);
}

void TFrmCap_Perg::btRetornaClick(forms::Control&) { SetModalResult(forms::mrCancel); }

bool TFrmCap_Perg::ValidaCamposForm() { return ValidaPerguntasDinamicas(); }

bool TFrmCap_Perg::ValidaPerguntasDinamicas() {
    const int n = std::min(QuantidadePerguntas(), static_cast<int>(MAX_VISIVEIS));
    for (int i = 0; i < n; ++i) {
        const TPerguntaGenerica& p = PerguntasGenerica.Itens[i];
        forms::MaskEdit& edit = *edPergunta[i];
        const std::string texto = Trim(edit.Text());
        const std::string resposta = Resposta(edit);
        const bool obrigatoria = CapturaPerguntasZentravela::RespostaObrigatoria(p.Tipo);
        if (!obrigatoria && resposta.empty()) continue;
        // A required question left blank is refused even when the host gave no
        // minimum; a mask's literals alone ("/  /", ".") are no answer either.
        const bool emBranco = obrigatoria && resposta.empty();
        const int32_t minimoHost = p.TamanhoMinimo;
        const int32_t minimo = emBranco ? std::max<int32_t>(minimoHost, 1) : minimoHost;
        if (emBranco || static_cast<int64_t>(resposta.size()) < minimo) {
            CaixaMensagem(host::MensagemFormatada(MSG_RESPOSTA_CURTA,
                                                  {Trim(TextoCampo(p.Pergunta)), std::to_string(minimo)}),
                          forms::MB_TOPMOST);
            pnCaptura->SetEnabled(true);
            edit.SetFocus();
            return false;
        }
        if (p.Tipo % 100 == 3 && !ValidaDataPerguntaDinamica(edit.Name(), texto)) return false;
    }
    return true;
}

bool TFrmCap_Perg::ValidaDataPerguntaDinamica(const std::string& nomeEdit, const std::string& texto) {
    int ano = 0, mes = 0, dia = 0;
    if (texto.size() >= 10 && forms::TryStrToDate(texto, ano, mes, dia)) return true;
    CaixaMensagem(host::Mensagem(MSG_DATA_INVALIDA), forms::MB_TOPMOST);
    pnCaptura->SetEnabled(true);
    if (forms::Control* edit = FindControl(nomeEdit)) edit->SetFocus();
    return false;
}

bool TFrmCap_Perg::GravaRespostasPerguntasDinamicas() {
    TrnModeloZentravela::TrataCamposFuelControl();

    const int n = std::min(QuantidadePerguntas(), static_cast<int>(MAX_EDITS));
    std::string lista;
    for (int i = 0; i < n; ++i) {
        const TPerguntaGenerica& p = PerguntasGenerica.Itens[i];
        lista += std::string(MARCA_ITEM) + TextoCampo(p.Id) + "," + Resposta(*edPergunta[i]) + "," +
                 std::to_string(p.Tipo) + ";";
        lista.push_back('\0');
    }
    if (n == 0) {
        host::EnviaErroPDV(MSG_SEM_PERGUNTAS);
        bErroInformado = true;
        SetModalResult(forms::mrOk);
        return false;
    }
    // A list that does not fit the host's buffer would reach it cut short:
    // reported as a failed write rather than stored incomplete.
    const bool cabe = lista.size() <= static_cast<size_t>(CapturaPerguntasZentravela::RESPOSTAS_SIZE);
    if (!cabe || host::GravaCampoBytes(CAMPO_RESPOSTAS_PERGUNTAS, 0, lista) != 0) {
        host::EnviaErroPDV(MSG_ERRO_GRAVAR_RESPOSTAS);
        bErroInformado = true;
        SetModalResult(forms::mrOk);
        return false;
    }
    return true;
}

}  // namespace zv

namespace zv::CapturaPerguntasZentravela {

namespace {
bool TipoComMascara(int32_t tipo) { return tipo >= 10000 && tipo <= 19999; }
}  // namespace

bool RespostaObrigatoria(int32_t tipo) { return TipoComMascara(tipo) && (tipo / 100) % 10 != 0; }

void FormataMascara(int32_t tipo, forms::MaskEdit& edit) {
    if (!TipoComMascara(tipo)) return;
    edit.SetEditMask("");
    const int tamanho = std::clamp(edit.MaxLength(), 0, RESPOSTAS_SIZE);
    switch (tipo % 100) {
        case 1: edit.SetEditMask(std::string(static_cast<size_t>(tamanho), '9') + ";1;_"); break;
        case 2: edit.SetEditMask(std::string(static_cast<size_t>(tamanho), 'a') + ";1;_"); break;
        case 3: edit.SetEditMask("99/99/9999;1;_"); break;
        case 4: edit.SetEditMask("l;1;_"); break;
        case 5: edit.SetEditMask("9999999999.99;1;_"); break;
        default: break;
    }
    edit.SetPasswordChar((tipo / 1000) % 10 == 1 ? '*' : '\0');
}

void Initialization() {
    bControlaKeyPreview = false;
    FrmCap_Perg = nullptr;
    RegistraTela<TFrmCap_Perg>("TFrmCap_Perg");
}

void Finalization() {
    RemoveClasseTela("TFrmCap_Perg");
    bControlaKeyPreview = false;
    FrmCap_Perg = nullptr;
}

}  // namespace zv::CapturaPerguntasZentravela
