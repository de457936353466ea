#pragma once
// The common window of every operator screen: layout, version line, audit
// lines, the application's error handler, and the card steps all
// transaction screens share (PIN, chip data, card processing, advice).
#include <cstdint>
#include <exception>
#include <string>

#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "host/HostAbi.h"
#include "host/RegistroTransacao.h"

namespace zv {

class TFrmMod : public forms::Form {
public:
    explicit TFrmMod(std::string name = "FrmMod");
    ~TFrmMod() override;

    // Controls, in declaration order.
    forms::Image* ImgFundo = nullptr;
    forms::Label* lbTitulo = nullptr;
    forms::Label* lbMensagem = nullptr;
    forms::Panel* panelLogo = nullptr;
    forms::Image* ImageLogo = nullptr;
    forms::Label* lbVersao = nullptr;

    bool bCapturaSenha = false;
    const ZvTrnRecord* Transacao = nullptr;

    // Virtual slots, in order.
    virtual bool VerificaProcessaCartao();
    virtual bool GravaCamposFosdal();
    virtual bool VerificaCapturaSenha();
    virtual void IniciaCamposForm();

    void CreateParams(forms::CreateParamsRec& params) override;

    // Event handlers bound by name; a derived screen overrides and calls these itself.
    virtual void FormCreate(forms::Form& sender);
    virtual void FormShow(forms::Form& sender);
    virtual void FormDestroy(forms::Form& sender);

    // The application-wide handler of unexpected errors.
    void DataException(std::exception_ptr error, const std::string& message);

    bool VerificaObtemDadosEmv();
    bool EnviaTransacaoAdviceOffLine(bool advice);
    bool ValidaLimiteParcela(forms::Edit& edit, forms::Panel& panel, forms::GlyphButton& button,
                             int maximo);

    // lbMensagem as the host libraries take it (by reference).
    ZvMessageLabel* MensagemRef() { return &mensagemRef_; }
    // EnviaTransacaoAdviceOffLine bound to this screen.
    ZvAdviceCallback AdviceCallback();

    // Shows a catalogue prompt in the message line.
    void MostraPrompt(int32_t mensagem);

protected:
    // The capture screens' Enter key: while `controle` holds, Enter on a
    // control that is no button moves the focus on (the form model is told
    // the same for the key line); every key the form sees turns it back on.
    void EnterAvancaEnquanto(bool& controle);
    // The panel of the confirm and cancel buttons under the capture panel, as
    // every capture screen has it; each screen binds the buttons' events.
    void CriaPainelBotoes(forms::Panel*& painel, forms::GlyphButton*& confirma, forms::GlyphButton*& retorna);

private:
    ZvMessageLabel mensagemRef_{};
};

}  // namespace zv

namespace zv::ModeloZentravela {
// The desktop window that owns every screen's window.
constexpr forms::WindowHandle JANELA_DESKTOP = 0x10010;
void Initialization();
void Finalization();
}  // namespace zv::ModeloZentravela
