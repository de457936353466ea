// Card capture with the BIN query, for the screens that need the card before
// they can authorise (invoice payment and its cancellation).
#include "common/CapturaCartao.h"

#include "common/Conversoes.h"
#include "forms/Application.h"
#include "forms/Label.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv {

namespace {

// What the PIN pad library answers about the card just read.
constexpr int32_t VEREDITO_ACEITO = 0;
constexpr int32_t VEREDITO_LER_NOVAMENTE = 3;

void ZV_HOSTAPI EscreveRotulo(void* context, const char* text) {
    static_cast<forms::Label*>(context)->SetCaption(text != nullptr ? text : "");
}

void Mostra(forms::Label& rotulo, const std::string& texto) {
    rotulo.SetCaption(texto);
    forms::Application::Instance().ProcessMessages();
}

// Why the card was refused, as the host put it, and the chip warning.
std::string TextoRecusa() {
    std::string texto = Trim(host::LeCampo(CAMPO_TEXTO_CARTAO_RECUSADO));
    if (EhCartaoChipComContato() != 0) {
        const std::string chip = host::Mensagem(MSG_CARTAO_CHIP_CONTATO);
        texto = texto.empty() ? chip : texto + " - " + chip;
    }
    return texto;
}

}  // namespace

bool FazConsultaBinsConsulta(bool& repetir, forms::Label& rotulo) {
    repetir = false;
    ExibeMsgPinpad(host::Mensagem(MSG_PINPAD_PROCESSANDO).c_str());
    ZvMessageLabel referencia{&rotulo, &EscreveRotulo};
    const bool feita = FazSomenteTrnConsultaBins(&referencia) != 0;
    ExibeMsgPinpad("");
    if (!feita) {
        Mostra(rotulo, host::LeCampo(CAMPO_TEXTO_RESPOSTA));
        return false;
    }

    const int32_t veredito = AnalisaDadosCartao();
    const bool aceito = veredito == VEREDITO_ACEITO || veredito == VEREDITO_LER_NOVAMENTE;
    repetir = veredito == VEREDITO_LER_NOVAMENTE;
    forms::Application::Instance().ProcessMessages();
    // Not done until an authorisation says otherwise.
    host::GravaCampo(CAMPO_CODIGO_RESPOSTA, "FF");
    host::GravaCampo(CAMPO_TEXTO_RESPOSTA, host::Mensagem(MSG_TRANSACAO_NAO_EFETUADA));
    return aceito;
}

bool CapturaCartao(forms::Label& rotulo) {
    rotulo.SetCaption(host::Mensagem(MSG_AGUARDE));
    host::GravaCampo(CAMPO_STATUS_OPERACAO, "0");
    host::GravaCampo(CAMPO_CAPTURA_CARTAO, "0");
    auto& app = forms::Application::Instance();
    app.ProcessMessages();

    const std::string pedido = host::Mensagem(MSG_PASSE_CARTAO);
    bool repetir = false;
    do {
        if (LerCartao(app.Handle(), 0, pedido.c_str()) != 0) return false;
        if (!FazConsultaBinsConsulta(repetir, rotulo)) {
            const std::string texto = TextoRecusa();
            if (!texto.empty()) rotulo.SetCaption(texto);
            app.ProcessMessages();
            if (host::LeCampo(CAMPO_MODO_ENTRADA) != "2") RemoveCartao(host::Mensagem(MSG_REMOVA_CARTAO).c_str());
            return false;
        }
    } while (repetir);
    return true;
}

}  // namespace zv
