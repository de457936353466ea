#pragma once
// A form with the shape of the package's capture screens, on the headless
// backend with its virtual clock.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/Application.h"
#include "forms/Edit.h"
#include "forms/GlyphButton.h"
#include "forms/Label.h"
#include "forms/MaskEdit.h"
#include "forms/Panel.h"
#include "forms/backends/HeadlessBackend.h"

namespace formstest {

class CaptureForm : public forms::Form {
public:
    CaptureForm() : Form("FrmTeste") {
        lbTitulo = &Add<forms::Label>("lbTitulo");
        pnCaptura = &Add<forms::Panel>("pnCaptura");
        edValor = &Add<forms::Edit>("edValor", pnCaptura);
        edData = &Add<forms::MaskEdit>("edData", pnCaptura);
        edNome = &Add<forms::Edit>("edNome", pnCaptura);
        pnBotoes = &Add<forms::Panel>("pnBotoes");
        btConfirma = &Add<forms::GlyphButton>("btConfirma", pnBotoes);
        btRetorna = &Add<forms::GlyphButton>("btRetorna", pnBotoes);
        btConfirma->SetCaption("&1 - Confirma");
        btRetorna->SetCaption("&9 - Cancela");
        // Either button ends the run, so a script shows what a key pressed.
        btConfirma->OnClick = [this](forms::Control&) {
            log.push_back("click btConfirma");
            SetModalResult(forms::mrOk);
        };
        btRetorna->OnClick = [this](forms::Control&) {
            log.push_back("click btRetorna");
            SetModalResult(forms::mrCancel);
        };
        for (forms::Control* c : {static_cast<forms::Control*>(edValor), static_cast<forms::Control*>(edData),
                                  static_cast<forms::Control*>(edNome), static_cast<forms::Control*>(btConfirma),
                                  static_cast<forms::Control*>(btRetorna)}) {
            c->OnEnter = [this](forms::Control& s) { log.push_back("enter " + s.Name()); };
            c->OnExit = [this](forms::Control& s) { log.push_back("exit " + s.Name()); };
        }
    }

    forms::Label* lbTitulo;
    forms::Panel* pnCaptura;
    forms::Edit* edValor;
    forms::MaskEdit* edData;
    forms::Edit* edNome;
    forms::Panel* pnBotoes;
    forms::GlyphButton* btConfirma;
    forms::GlyphButton* btRetorna;
    std::vector<std::string> log;
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        app().Reset();
        Use({});
        app().SetOnException([this](std::exception_ptr, const std::string& m) { errors.push_back(m); });
    }
    void TearDown() override {
        app().Reset();
        app().SetBackend(nullptr);
    }

    static forms::Application& app() { return forms::Application::Instance(); }

    void Use(const std::string& script) {
        backend = std::make_unique<forms::HeadlessBackend>(forms::ParseOperatorScript(script, "test.txt"));
        app().SetBackend(backend.get());
    }

    // Runs the form modally under a script; a failed expect fails the test with its message.
    int Run(forms::Form& f, const std::string& script) {
        Use(script);
        try {
            return f.ShowModal();
        } catch (const forms::OperatorAbort& a) {
            ADD_FAILURE() << a.what();
            return -1;
        }
    }

    std::unique_ptr<forms::HeadlessBackend> backend;
    std::vector<std::string> errors;
};

}  // namespace formstest
