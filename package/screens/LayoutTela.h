#pragma once
// A screen's controls written one row each, as its design table reads:
// kind, name, parent, bounds and the properties that matter. Every screen
// declares its controls with these rows; a property not named keeps the
// control's default.
#include <initializer_list>
#include <optional>
#include <vector>

#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/MaskEdit.h"
#include "forms/Memo.h"
#include "forms/Panel.h"
#include "forms/Timer.h"
#include "forms/Types.h"
#include "forms/Validator.h"

namespace zv::layout {

struct Limites {
    int esquerda;
    int topo;
    int largura;
    int altura;
};

// The screens' panel colour and the fonts their design tables name.
constexpr forms::Color COR_PAINEL = 14671839;
constexpr forms::Color AZUL_MARINHO = 0x00800000;
forms::Font Fonte(const char* nome, int tamanho, bool negrito = false, forms::Color cor = 0);

struct PropsRotulo {
    forms::Alignment alinhamento = forms::Alignment::Right;  // the capture screens' labels
    std::optional<forms::Font> fonte = std::nullopt;
    bool transparente = false;
    bool quebraLinha = false;
    bool autoTamanho = true;
    bool visivel = true;
};

// The properties of an edit that the design tables give; `mascara` and
// `texto` only for masked edits.
struct PropsEdicao {
    int ordemTab = -1;  // -1: after the panel's other controls
    int tamanhoMax = 0;  // 0: no limit
    forms::Validator aceita = {};  // what it takes of the keys typed (see screens/Aceita.h)
    bool habilitado = true;
    const char* mascara = nullptr;
    const char* texto = nullptr;
    std::optional<forms::Font> fonte = std::nullopt;
    forms::CharCase caixa = forms::CharCase::Normal;
    bool visivel = true;
};

struct PropsPainel {
    int ordemTab;
    forms::Color cor = COR_PAINEL;
    forms::Bevel bevel = forms::Bevel::None;
};

struct PropsBotao {
    int ordemTab;
    bool visivel = true;
    std::optional<forms::Font> fonte = std::nullopt;
};

struct PropsImagem {
    bool alinhaCliente = false;
    bool estica = false;
};

forms::Label& Rotulo(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                     const char* legenda, const PropsRotulo& props = {});
forms::Edit& Edicao(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                    const PropsEdicao& props);
forms::MaskEdit& EdicaoMascara(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                               const PropsEdicao& props);
forms::Panel& Painel(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                     const PropsPainel& props);
// A push button with its caption ("&1 - ..." gives its accelerator).
forms::GlyphButton& Botao(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                          const char* legenda, const PropsBotao& props);
// A read-only text box of several lines in the given font, at its tab order.
forms::Memo& Memorando(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites, int ordemTab,
                       const forms::Font& fonte);
forms::Image& Imagem(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                     const char* figura, const PropsImagem& props = {});
// A timer that waits switched off until a handler starts it.
forms::Timer& Temporizador(forms::Form& tela, const char* nome, int intervalo);

// Moves a control and gives it a new width, keeping its height.
void Coloca(forms::Control& controle, int esquerda, int topo, int largura);

// A panel of rows at a fixed step, each a label and its box; the box's width
// is each row's own.
struct Grade {
    int passo;
    Limites rotulo;  // the first row's label
    Limites caixa;   // the first row's box (its width unused)

    constexpr Limites LimitesRotulo(int linha) const {
        return {rotulo.esquerda, rotulo.topo + linha * passo, rotulo.largura, rotulo.altura};
    }
    constexpr Limites LimitesCaixa(int linha, int largura) const {
        return {caixa.esquerda, caixa.topo + linha * passo, largura, caixa.altura};
    }
};

// A label and its box, already made, as one row of a grid.
struct LinhaGrade {
    forms::Label* rotulo;
    forms::Edit* caixa;
    int largura;
    int tamanhoMax = -1;  // -1: the box keeps its own
};

// Places the rows top to bottom, the first in the grid's first row, and gives
// the boxes the tab order of the rows.
void DispoeLinhas(const Grade& grade, std::initializer_list<LinhaGrade> linhas);
// The controls, of one panel, take its first tab orders in the order given.
void OrdemTab(const std::vector<forms::Control*>& controles);

}  // namespace zv::layout
