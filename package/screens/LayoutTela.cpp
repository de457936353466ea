#include "screens/LayoutTela.h"

namespace zv::layout {

namespace {

template <class T>
T& CriaEdicao(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const PropsEdicao& p) {
    auto& edicao = tela.Add<T>(nome, pai);
    edicao.SetBounds(l.left, l.top, l.width, l.height);
    edicao.SetTabStop(true);
    if (p.tabOrder >= 0) edicao.SetTabOrder(p.tabOrder);
    edicao.SetMaxLength(p.maxLength);
    edicao.SetEnabled(p.habilitado);
    return edicao;
}

}  // namespace

forms::Label& Rotulo(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const char* legenda) {
    auto& rotulo = tela.Add<forms::Label>(nome, pai);
    rotulo.SetBounds(l.left, l.top, l.width, l.height);
    rotulo.SetAlignment(forms::Alignment::Right);
    rotulo.SetCaption(legenda);
    return rotulo;
}

forms::Edit& Edicao(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const PropsEdicao& p) {
    return CriaEdicao<forms::Edit>(tela, pai, nome, l, p);
}

forms::MaskEdit& EdicaoMascara(forms::Form& tela, forms::Control* pai, const char* nome, Limites l,
                               const PropsEdicao& p) {
    auto& edicao = CriaEdicao<forms::MaskEdit>(tela, pai, nome, l, p);
    if (p.mascara != nullptr) edicao.SetEditMask(p.mascara);
    if (p.texto != nullptr) edicao.SetText(p.texto);
    return edicao;
}

forms::Panel& Painel(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, int tabOrder,
                     forms::Color cor) {
    auto& painel = tela.Add<forms::Panel>(nome, pai);
    painel.SetBounds(l.left, l.top, l.width, l.height);
    painel.SetBevelInner(forms::Bevel::None);
    painel.SetColor(cor);
    painel.SetTabOrder(tabOrder);
    return painel;
}

forms::GlyphButton& Botao(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const char* legenda,
                          int tabOrder) {
    auto& botao = tela.Add<forms::GlyphButton>(nome, pai);
    botao.SetBounds(l.left, l.top, l.width, l.height);
    botao.SetCaption(legenda);
    botao.SetTabStop(true);
    botao.SetTabOrder(tabOrder);
    return botao;
}

forms::Memo& Memorando(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, int tabOrder,
                       const forms::Font& fonte) {
    auto& memo = tela.Add<forms::Memo>(nome, pai);
    memo.SetBounds(l.left, l.top, l.width, l.height);
    memo.SetFont(fonte);
    memo.SetReadOnly(true);
    memo.SetTabOrder(tabOrder);
    return memo;
}

void Coloca(forms::Control& c, int left, int top, int width) { c.SetBounds(left, top, width, c.Height()); }

}  // namespace zv::layout
