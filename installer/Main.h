#pragma once
// Unit Main: the installer's window. It only shows what the installation
// sequence (Instalador) reports and hands the operator's buttons to it.
#include <string>
#include <vector>

#include "Instalador.h"
#include "Operador.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/Label.h"

namespace instala {

class TFrmPrincipal : public forms::Form, public Operador {
public:
    TFrmPrincipal(zvsys::System& sistema, std::vector<std::string> argumentos);

    forms::Label* lbTitulo;
    forms::Label* lbMensagem;
    forms::GlyphButton* btInstala;
    forms::GlyphButton* btCancela;
    forms::GlyphButton* btOK;
    forms::GlyphButton* btEncerra;

    // Start-up; true when the window is to be shown.
    bool FormCreate();
    Instalador& Instalacao() { return instalador_; }

    // Operador: the window is the operator's side of the sequence.
    int MessageBox(const std::string& text, const std::string& caption, uint32_t flags) override;
    void MostraMensagem(const std::string& text) override;
    void ProcessaMensagens() override;
    void DefineEstado(EstadoJanela estado) override;
    void TrazParaFrente() override;
    // Kept while the window owns the terminal; written to standard error once it has closed.
    void Registra(const std::string& text) override { registro_.push_back(text); }
    const std::vector<std::string>& Registro() const { return registro_; }

private:
    void btInstalaClick(forms::Control& sender);
    void btCancelaClick(forms::Control& sender);
    void btOKClick(forms::Control& sender);
    void btEncerraClick(forms::Control& sender);

    Instalador instalador_;
    std::vector<std::string> argumentos_;
    std::vector<std::string> registro_;
};

// The single instance while the window runs.
extern TFrmPrincipal* FrmPrincipal;

// Runs the attended installer in the terminal; returns the exit status.
int ExecutaJanela(zvsys::System& sistema, const std::vector<std::string>& argumentos);

}  // namespace instala
