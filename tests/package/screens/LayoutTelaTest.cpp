// A row of the layout sets the properties it names and nothing else: what a
// row makes is compared with a bare control of its kind, and the properties
// that differ must be exactly those the row's table entry lists.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "screens/Aceita.h"
#include "screens/LayoutTela.h"

namespace zvtest {
namespace {

using namespace zv::layout;

// Every property of a control the form model keeps, one "name=value" each.
std::set<std::string> Retrato(const forms::Control& c) {
    std::stringstream s;
    const forms::Font& f = c.GetFont();
    s << "at=" << c.Left() << ',' << c.Top() << ',' << c.Width() << ',' << c.Height() << "\nvis=" << c.Visible()
      << "\nen=" << c.Enabled() << "\ntab=" << c.TabStop() << '/' << c.TabOrder() << "\ncap=" << c.Caption()
      << "\nfont=" << f.name << '/' << f.size << '/' << f.bold << '/' << f.italic << '/' << f.color
      << "\ncor=" << c.GetColor();
    if (auto* l = dynamic_cast<const forms::Label*>(&c))
        s << "\nal=" << static_cast<int>(l->GetAlignment()) << "\nww=" << l->WordWrap() << "\ntr=" << l->Transparent()
          << "\nas=" << l->AutoSize();
    if (auto* e = dynamic_cast<const forms::Edit*>(&c))
        s << "\nmax=" << e->MaxLength() << "\ncc=" << static_cast<int>(e->GetCharCase()) << "\nro=" << e->ReadOnly()
          << "\npw=" << static_cast<int>(e->PasswordChar()) << "\ntxt=" << e->Text()
          << "\naceita=" << static_cast<int>(e->GetValidator().kind) << e->GetValidator().lowest
          << e->GetValidator().highest;
    if (auto* m = dynamic_cast<const forms::MaskEdit*>(&c)) s << "\nmask=" << m->EditMask();
    if (auto* p = dynamic_cast<const forms::Panel*>(&c)) s << "\nbevel=" << static_cast<int>(p->BevelInner());
    if (auto* i = dynamic_cast<const forms::Image*>(&c))
        s << "\npic=" << i->Picture() << "\nst=" << i->Stretch() << "\nac=" << i->AlignClient();
    if (auto* m = dynamic_cast<const forms::Memo*>(&c)) s << "\nro=" << m->ReadOnly() << "\nlines=" << m->Lines().size();
    if (auto* b = dynamic_cast<const forms::GlyphButton*>(&c)) s << "\ndef=" << b->Default() << "\ncan=" << b->Cancel();
    std::set<std::string> r;
    for (std::string p; std::getline(s, p);) r.insert(p);
    return r;
}

using Monta = std::function<forms::Control&(forms::Form&)>;

// What the row changes on a bare control of its kind, in the order of the names.
template <class T>
std::string Muda(forms::Form& t, const Monta& linha) {
    forms::Form outra("nua");
    const std::set<std::string> nua = Retrato(outra.Add<T>("c")), feita = Retrato(linha(t));
    std::string r;
    for (const std::string& p : feita)
        if (!nua.count(p)) r += (r.empty() ? "" : " ") + p;
    return r;
}

const forms::Font F = Fonte("Arial", -13, true, 255);
constexpr Limites L{1, 2, 30, 4};

struct Caso {
    const char* nome;
    std::string (*muda)(forms::Form&, const Monta&);
    Monta linha;
    const char* esperado;
};

using T = forms::Form; using C = forms::Control;
const Caso kCasos[] = {
    {"label, defaults", Muda<forms::Label>, [](T& t) -> C& { return Rotulo(t, nullptr, "c", L, "x"); },
     "al=1 at=1,2,30,4 cap=x"},
    {"label, every property", Muda<forms::Label>,
     [](T& t) -> C& {
         return Rotulo(t, nullptr, "c", L, "x",
                       {.alinhamento = forms::Alignment::Center, .fonte = F, .transparente = true,
                        .quebraLinha = true, .autoTamanho = false, .visivel = false});
     },
     "al=2 as=0 at=1,2,30,4 cap=x font=Arial/-13/1/0/255 tr=1 vis=0 ww=1"},
    {"edit, defaults", Muda<forms::Edit>, [](T& t) -> C& { return Edicao(t, nullptr, "c", L, {}); }, "at=1,2,30,4"},
    {"edit, every property", Muda<forms::Edit>,
     [](T& t) -> C& {
         return Edicao(t, nullptr, "c", L,
                       {.ordemTab = 0, .tamanhoMax = 5, .aceita = zv::aceita::Digitos('1', '3'),
                        .habilitado = false, .fonte = F, .caixa = forms::CharCase::Upper, .visivel = false});
     },
     "aceita=113 at=1,2,30,4 cc=1 en=0 font=Arial/-13/1/0/255 max=5 vis=0"},
    {"masked edit, mask and text", Muda<forms::MaskEdit>,
     [](T& t) -> C& { return EdicaoMascara(t, nullptr, "c", L, {.mascara = "99/99;1;_", .texto = "1234"}); },
     "at=1,2,30,4 mask=99/99;1;_ txt=12/34"},
    {"panel, defaults", Muda<forms::Panel>, [](T& t) -> C& { return Painel(t, nullptr, "c", L, {.ordemTab = 0}); },
     "at=1,2,30,4 cor=14671839"},
    {"panel, every property", Muda<forms::Panel>,
     [](T& t) -> C& { return Painel(t, nullptr, "c", L, {.ordemTab = 0, .cor = 7, .bevel = forms::Bevel::Lowered}); },
     "at=1,2,30,4 bevel=1 cor=7"},
    {"button, defaults", Muda<forms::GlyphButton>,
     [](T& t) -> C& { return Botao(t, nullptr, "c", L, "&1 - X", {.ordemTab = 0}); }, "at=1,2,30,4 cap=&1 - X"},
    {"button, every property", Muda<forms::GlyphButton>,
     [](T& t) -> C& { return Botao(t, nullptr, "c", L, "&1 - X", {.ordemTab = 0, .visivel = false, .fonte = F}); },
     "at=1,2,30,4 cap=&1 - X font=Arial/-13/1/0/255 vis=0"},
    {"image, defaults", Muda<forms::Image>, [](T& t) -> C& { return Imagem(t, nullptr, "c", L, "fig"); },
     "at=1,2,30,4 pic=fig"},
    {"image, every property", Muda<forms::Image>,
     [](T& t) -> C& { return Imagem(t, nullptr, "c", L, "fig", {.alinhaCliente = true, .estica = true}); },
     "ac=1 at=1,2,30,4 pic=fig st=1"},
    {"memo", Muda<forms::Memo>, [](T& t) -> C& { return Memorando(t, nullptr, "c", L, 0, F); },
     "at=1,2,30,4 font=Arial/-13/1/0/255 ro=1"},
};

TEST(LayoutTela, ARowSetsThePropertiesItNamesAndNoOther) {
    for (const Caso& caso : kCasos) {
        forms::Form tela("t");
        EXPECT_EQ(caso.muda(tela, caso.linha), caso.esperado) << caso.nome;
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

TEST(LayoutTela, DispoeLinhasPlacesTheRowsAtTheStepAndTabsInTheirOrder) {
    forms::Form tela("t");
    auto &a = Rotulo(tela, nullptr, "a", {}, "a"), &b = Rotulo(tela, nullptr, "b", {}, "b");
    auto &x = Edicao(tela, nullptr, "x", {}, {}), &y = Edicao(tela, nullptr, "y", {}, {.tamanhoMax = 3});
    DispoeLinhas({.passo = 28, .rotulo = {10, 11, 250, 20}, .caixa = {270, 8, 0, 24}}, {{&a, &y, 40, 9}, {&b, &x, 150}});
    EXPECT_EQ((std::array{a.Top(), b.Left(), b.Top(), b.Width(), x.Left(), x.Top(), x.Width(), x.Height()}),
              (std::array{11, 10, 39, 250, 270, 36, 150, 24}));
    EXPECT_EQ((std::array{y.TabOrder(), x.TabOrder(), y.MaxLength(), x.MaxLength()}), (std::array{0, 1, 9, 0}));
}

}  // namespace
}  // namespace zvtest
