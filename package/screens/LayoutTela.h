#pragma once
// A screen's controls written one line each, as its design table reads:
// kind, name, parent, bounds and the properties that matter.
#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/Label.h"
#include "forms/MaskEdit.h"
#include "forms/Memo.h"
#include "forms/Panel.h"
#include "forms/Types.h"

namespace zv::layout {

struct Limites {
    int left;
    int top;
    int width;
    int height;
};

// The properties of an edit that the design tables give; `mascara` and
// `texto` only for masked edits.
struct PropsEdicao {
    int tabOrder = -1;  // -1: after the panel's other controls
    int maxLength = 0;  // 0: no limit
    bool habilitado = true;
    const char* mascara = nullptr;
    const char* texto = nullptr;
};

// A label with its design caption, right-aligned as the capture screens' labels are.
forms::Label& Rotulo(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                     const char* legenda);
forms::Edit& Edicao(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                    const PropsEdicao& props);
forms::MaskEdit& EdicaoMascara(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                               const PropsEdicao& props);

// A panel without bevel in the given colour, at its tab order.
forms::Panel& Painel(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites, int tabOrder,
                     forms::Color cor);
// A push button with its caption ("&1 - ..." gives its accelerator), at its tab order.
forms::GlyphButton& Botao(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites,
                          const char* legenda, int tabOrder);
// A read-only text box of several lines in the given font, at its tab order.
forms::Memo& Memorando(forms::Form& tela, forms::Control* pai, const char* nome, Limites limites, int tabOrder,
                       const forms::Font& fonte);

// Moves a control and gives it a new width, keeping its height.
void Coloca(forms::Control& controle, int left, int top, int width);

}  // namespace zv::layout
