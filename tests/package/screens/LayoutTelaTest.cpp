// A row of the layout sets the properties it names and nothing else: each
// row is compared, property by property, with the bare control given by hand
// exactly what the row says (and the defaults the rows document).
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <sstream>
#include <string>
#include <typeinfo>

#include "screens/LayoutTela.h"

namespace zvtest {
namespace {

using namespace zv::layout;

// Every property of a control the form model keeps, as one line.
std::string Retrato(const forms::Control& c) {
    std::ostringstream s;
    const forms::Font& f = c.GetFont();
    s << typeid(c).name() << ' ' << c.Name() << " @" << c.Left() << ',' << c.Top() << ',' << c.Width() << ','
      << c.Height() << " vis=" << c.Visible() << " en=" << c.Enabled() << " tab=" << c.TabStop() << '/'
      << c.TabOrder() << " '" << c.Caption() << "' font=" << f.name << '/' << f.size << '/' << f.bold << '/'
      << f.italic << '/' << f.color << " cor=" << c.GetColor();
    if (auto* l = dynamic_cast<const forms::Label*>(&c))
        s << " al=" << static_cast<int>(l->GetAlignment()) << " ww=" << l->WordWrap() << " tr=" << l->Transparent()
          << " as=" << l->AutoSize();
    if (auto* e = dynamic_cast<const forms::Edit*>(&c))
        s << " max=" << e->MaxLength() << " cc=" << static_cast<int>(e->GetCharCase()) << " ro=" << e->ReadOnly()
          << " pw=" << static_cast<int>(e->PasswordChar()) << " txt='" << e->Text() << "'";
    if (auto* m = dynamic_cast<const forms::MaskEdit*>(&c)) s << " mask='" << m->EditMask() << "'";
    if (auto* p = dynamic_cast<const forms::Panel*>(&c)) s << " bevel=" << static_cast<int>(p->BevelInner());
    if (auto* i = dynamic_cast<const forms::Image*>(&c))
        s << " pic='" << i->Picture() << "' st=" << i->Stretch() << " ac=" << i->AlignClient();
    if (auto* m = dynamic_cast<const forms::Memo*>(&c)) s << " ro=" << m->ReadOnly() << " lines=" << m->Lines().size();
    if (auto* b = dynamic_cast<const forms::GlyphButton*>(&c)) s << " def=" << b->Default() << " can=" << b->Cancel();
    return s.str();
}

using Monta = std::function<forms::Control&(forms::Form&)>;

template <class T>
Monta AMao(std::function<void(T&)> ajusta) {
    return [ajusta](forms::Form& t) -> forms::Control& {
        auto& c = t.Add<T>("c");
        c.SetBounds(1, 2, 30, 4);
        ajusta(c);
        return c;
    };
}

const forms::Font F = Fonte("Arial", -13, true, 255);
constexpr Limites L{1, 2, 30, 4};

struct Caso {
    const char* nome;
    Monta linha;
    Monta aMao;
};

const Caso kCasos[] = {
    {"label, defaults", [](forms::Form& t) -> forms::Control& { return Rotulo(t, nullptr, "c", L, "x"); },
     AMao<forms::Label>([](auto& c) { c.SetAlignment(forms::Alignment::Right); c.SetCaption("x"); })},
    {"label, every property",
     [](forms::Form& t) -> forms::Control& {
         return Rotulo(t, nullptr, "c", L, "x",
                       {.alinhamento = forms::Alignment::Center, .fonte = F, .transparente = true,
                        .quebraLinha = true, .autoTamanho = false, .visivel = false});
     },
     AMao<forms::Label>([](auto& c) {
         c.SetAlignment(forms::Alignment::Center); c.SetFont(F); c.SetTransparent(true); c.SetWordWrap(true);
         c.SetAutoSize(false); c.SetVisible(false); c.SetCaption("x");
     })},
    {"edit, defaults", [](forms::Form& t) -> forms::Control& { return Edicao(t, nullptr, "c", L, {}); },
     AMao<forms::Edit>([](auto& c) { c.SetTabStop(true); })},
    {"edit, every property",
     [](forms::Form& t) -> forms::Control& {
         return Edicao(t, nullptr, "c", L,
                       {.tabOrder = 0, .maxLength = 5, .habilitado = false, .fonte = F,
                        .caixa = forms::CharCase::Upper, .visivel = false});
     },
     AMao<forms::Edit>([](auto& c) {
         c.SetTabStop(true); c.SetTabOrder(0); c.SetMaxLength(5); c.SetEnabled(false); c.SetFont(F);
         c.SetCharCase(forms::CharCase::Upper); c.SetVisible(false);
     })},
    {"masked edit, mask and text",
     [](forms::Form& t) -> forms::Control& {
         return EdicaoMascara(t, nullptr, "c", L, {.mascara = "99/99;1;_", .texto = "1234"});
     },
     AMao<forms::MaskEdit>([](auto& c) { c.SetTabStop(true); c.SetEditMask("99/99;1;_"); c.SetText("1234"); })},
    {"panel, defaults", [](forms::Form& t) -> forms::Control& { return Painel(t, nullptr, "c", L, {.tabOrder = 0}); },
     AMao<forms::Panel>([](auto& c) { c.SetColor(COR_PAINEL); c.SetTabOrder(0); })},
    {"panel, every property",
     [](forms::Form& t) -> forms::Control& {
         return Painel(t, nullptr, "c", L, {.tabOrder = 0, .cor = 7, .bevel = forms::Bevel::Lowered});
     },
     AMao<forms::Panel>([](auto& c) { c.SetColor(7); c.SetTabOrder(0); c.SetBevelInner(forms::Bevel::Lowered); })},
    {"button, defaults",
     [](forms::Form& t) -> forms::Control& { return Botao(t, nullptr, "c", L, "&1 - X", {.tabOrder = 0}); },
     AMao<forms::GlyphButton>([](auto& c) { c.SetCaption("&1 - X"); c.SetTabStop(true); c.SetTabOrder(0); })},
    {"button, every property",
     [](forms::Form& t) -> forms::Control& {
         return Botao(t, nullptr, "c", L, "&1 - X", {.tabOrder = 0, .visivel = false, .fonte = F});
     },
     AMao<forms::GlyphButton>([](auto& c) {
         c.SetCaption("&1 - X"); c.SetTabStop(true); c.SetTabOrder(0); c.SetVisible(false); c.SetFont(F);
     })},
    {"image, defaults", [](forms::Form& t) -> forms::Control& { return Imagem(t, nullptr, "c", L, "fig"); },
     AMao<forms::Image>([](auto& c) { c.SetPicture("fig"); })},
    {"image, every property",
     [](forms::Form& t) -> forms::Control& {
         return Imagem(t, nullptr, "c", L, "fig", {.alinhaCliente = true, .estica = true});
     },
     AMao<forms::Image>([](auto& c) { c.SetPicture("fig"); c.SetAlignClient(true); c.SetStretch(true); })},
    {"memo", [](forms::Form& t) -> forms::Control& { return Memorando(t, nullptr, "c", L, 0, F); },
     AMao<forms::Memo>([](auto& c) { c.SetFont(F); c.SetReadOnly(true); c.SetTabOrder(0); })},
};

TEST(LayoutTela, ARowSetsThePropertiesItNamesAndNoOther) {
    for (const Caso& caso : kCasos) {
        forms::Form porLinha("linha"), aMao("aMao");
        EXPECT_EQ(Retrato(caso.linha(porLinha)), Retrato(caso.aMao(aMao))) << caso.nome;
    }
}

TEST(LayoutTela, ATimerWaitsSwitchedOffAtItsInterval) {
    forms::Form tela("t");
    const forms::Timer& timer = Temporizador(tela, "TClique", 10);
    EXPECT_EQ(timer.Interval(), 10);
    EXPECT_FALSE(timer.Enabled());
}

TEST(LayoutTela, ColocaMovesAndWidensKeepingTheHeight) {
    forms::Form tela("t");
    forms::Control& c = Rotulo(tela, nullptr, "c", L, "x");
    Coloca(c, 5, 6, 70);
    EXPECT_EQ((std::array{c.Left(), c.Top(), c.Width(), c.Height()}), (std::array{5, 6, 70, 4}));
}

}  // namespace
}  // namespace zvtest
