// What the terminal draws, read back from an off-screen canvas: rows for the
// lines of a form, whole captions, focus and boxes told apart by role (so a
// monochrome terminal shows them too), message boxes with their icon, the key
// line, and the notice on a terminal too small.
#include <functional>
#include <set>
#include <sstream>
#include <stdexcept>

#include "FormsFixture.h"
#include "forms/backends/CellPainter.h"

namespace formstest {
namespace {

using forms::CellRole;

class CellPainterTest : public FormsTest {
protected:
    // The capture form laid out as the package's screens are: labels beside
    // their boxes, lines less than a row apart, buttons narrower than their captions.
    void SetUp() override {
        FormsTest::SetUp();
        f.SetSize(622, 422);
        f.pnCaptura->SetBounds(24, 106, 580, 210);
        f.pnCaptura->SetBevelInner(forms::Bevel::Lowered);
        auto& lbValor = f.Add<forms::Label>("lbValor", f.pnCaptura);
        lbValor.SetBounds(10, 18, 250, 20);
        lbValor.SetAlignment(forms::Alignment::Right);
        lbValor.SetCaption("Valor:");
        f.edValor->SetBounds(270, 15, 150, 24);
        f.edData->SetBounds(270, 40, 90, 24);
        f.edData->SetEditMask("!99/9999;1;_");
        f.edNome->SetBounds(270, 56, 150, 24);  // 16 pixels below: less than a row
        f.pnBotoes->SetBounds(111, 330, 400, 40);
        f.btConfirma->SetBounds(70, 8, 60, 25);
        f.btRetorna->SetBounds(210, 8, 60, 25);
    }

    forms::CellCanvas Draw(int cols = 80, int rows = 24, const forms::BoxView* box = nullptr) {
        forms::CellCanvas canvas(cols, rows);
        app().PushModal(f);
        forms::PaintCells(app(), box, canvas);
        app().PopModal(f);
        return canvas;
    }
    static const forms::Placement& Of(const forms::CellCanvas& c, const std::string& name) {
        for (const auto& p : c.Placements())
            if (p.control->Name() == name) return p;
        throw std::runtime_error(name + " was not drawn");
    }
    // The words of a text with single blanks between them, wherever it wrapped.
    static std::string Flat(const std::string& text) {
        std::istringstream in(text);
        std::string flat, word;
        while (in >> word) flat += (flat.empty() ? "" : " ") + word;
        return flat;
    }
    static std::string Screen(const forms::CellCanvas& c) {
        std::string all;
        for (int y = 0; y < c.Rows(); ++y) all += c.RowText(y) + "\n";
        return all;
    }

    CaptureForm f;
};

TEST_F(CellPainterTest, LinesGetRowsOfTheirOwnAndCaptionsStayWhole) {
    const auto c = Draw();
    EXPECT_EQ(Of(c, "lbValor").rect.y, Of(c, "edValor").rect.y);  // beside its box
    std::set<int> rows;
    for (const char* edit : {"edValor", "edData", "edNome"}) rows.insert(Of(c, edit).rect.y);
    EXPECT_EQ(rows.size(), 3u) << Screen(c);
    EXPECT_LT(Of(c, "lbValor").rect.Right(), Of(c, "edValor").rect.x);  // a blank between label and box
    EXPECT_EQ(Of(c, "btConfirma").shown, "[ 1 - Confirma ]") << Screen(c);
    EXPECT_FALSE(Of(c, "btConfirma").rect.Overlaps(Of(c, "btRetorna").rect));
}

// Controls that widen into free cells keep a blank from their neighbours and
// stay inside their panel's frame. Each row lays out a form of its own.
TEST_F(CellPainterTest, WidenedControlsKeepABlankFromNeighboursAndFrames) {
    const auto label = [](forms::Form& g, const char* name, forms::Control* in, int left, int width, std::string caption,
                          forms::Alignment a) -> forms::Control& {
        auto& l = g.Add<forms::Label>(name, in);
        l.SetBounds(left, 100, width, 20);
        l.SetCaption(std::move(caption));
        l.SetAlignment(a);
        return l;
    };
    const auto edit = [](forms::Form& g, const char* name, forms::Control* in, int left, int width) -> forms::Control& {
        auto& e = g.Add<forms::Edit>(name, in);
        e.SetBounds(left, 98, width, 24);
        return e;
    };
    const auto draw = [&](forms::Form& g) {
        forms::CellCanvas canvas(80, 24);
        app().PushModal(g);
        forms::PaintCells(app(), nullptr, canvas);
        app().PopModal(g);
        return canvas;
    };
    const auto r = [](const forms::CellCanvas& c, const char* name) { return Of(c, name).rect; };
    {  // a right-aligned caption grows left up to its neighbour, not onto it
        forms::Form g("FrmLado");
        g.SetSize(622, 422);
        edit(g, "edA", nullptr, 10, 50);
        label(g, "lbB", nullptr, 160, 40, "Numero da parcela:", forms::Alignment::Right);
        const auto c = draw(g);
        EXPECT_GT(r(c, "lbB").x, r(c, "edA").Right()) << Screen(c);
        EXPECT_EQ(Of(c, "lbB").shown, "Numero da parcela:") << Screen(c);
    }
    {  // a label ending where its box begins gives up its last cell
        forms::Form g("FrmEncosta");
        g.SetSize(622, 422);
        label(g, "lbValor", nullptr, 8, 148, "Valor:", forms::Alignment::Right);
        edit(g, "edValor", nullptr, 156, 100);
        const auto c = draw(g);
        EXPECT_LT(r(c, "lbValor").Right(), r(c, "edValor").x) << Screen(c);
    }
    {  // a child's caption grows to its panel's frame, never onto it
        forms::Form g("FrmPainel");
        g.SetSize(622, 422);
        auto& panel = g.Add<forms::Panel>("pnCaptura");
        panel.SetBounds(20, 40, 300, 200);
        panel.SetBevelInner(forms::Bevel::Lowered);
        label(g, "lbLonga", &panel, 150, 140, "Um texto longo que passa da moldura", forms::Alignment::Left);
        const auto c = draw(g);
        EXPECT_LE(r(c, "lbLonga").Right(), r(c, "pnCaptura").Right() - 1) << Screen(c);
        EXPECT_GE(r(c, "lbLonga").x, r(c, "pnCaptura").x + 1) << Screen(c);
    }
}

TEST_F(CellPainterTest, FocusEmptyBoxesAndSelectionHaveRolesOfTheirOwn) {
    f.edNome->SetEnabled(false);
    f.edValor->SetText("123");
    f.SetActiveControl(f.edValor);
    f.edValor->SetSelStart(1);
    f.edValor->SetSelLength(1);
    const auto c = Draw();
    const auto at = [&](const char* name, int dx) {
        const auto& r = Of(c, name).rect;
        return c.At(r.y, r.x + dx);
    };
    EXPECT_EQ(at("edValor", 0).role, CellRole::Focus);
    EXPECT_EQ(at("edValor", 1).role, CellRole::Selection);
    EXPECT_EQ(at("edData", 0).role, CellRole::Field);  // enabled, shows as a box even empty
    EXPECT_EQ(at("edNome", 0).role, CellRole::Form);
    EXPECT_TRUE(at("edNome", 0).dim);
    EXPECT_EQ(c.CaretY(), Of(c, "edValor").rect.y);
    // Wider than the screen: the box shows what the model says, its end and the caret inside.
    std::string digits;
    for (int i = 0; i < 100; ++i) digits += static_cast<char>('0' + i % 10);
    f.edValor->SetText(digits + "7");
    f.edValor->SetSelStart(101);
    const auto wide = Draw();
    const auto& box = Of(wide, "edValor");
    const forms::VisibleText v = f.edValor->ShownPart(box.rect.w, [](const std::string& s) { return static_cast<double>(s.size()); });
    EXPECT_EQ(box.shown, (digits + "7").substr(static_cast<size_t>(v.first), static_cast<size_t>(v.length))) << Screen(wide);
    EXPECT_EQ(box.shown.back(), '7') << Screen(wide);
    EXPECT_LT(wide.CaretX(), box.rect.Right()) << Screen(wide);
}

TEST_F(CellPainterTest, MessageBoxesShowTheirIconButtonsKeysAndWholeCaption) {
    const struct {
        uint32_t flags;
        std::string icon, buttons, keys;
    } casos[] = {{forms::MB_ICONINFORMATION, "(i)", "[ OK ]", "Enter OK"},
                 {forms::MB_ICONEXCLAMATION, "(!)", "[ OK ]", "Enter OK"},
                 {0x20 | forms::MB_YESNO, "(?)", "[ Sim ]  [ N\xE3o ]", "N N\xE3o   Tab escolhe   Enter responde   Esc N\xE3o"},
                 {0x10 | 0x3 | 0x200, "(x)", "[ Sim ]  [ N\xE3o ]  [ Cancelar ]", "C Cancelar   Tab escolhe   Enter responde   Esc Cancelar"},
                 {0x1, "", "[ OK ]  [ Cancelar ]", "Esc Cancelar"}};
    for (const auto& caso : casos) {
        const forms::BoxView box{"Ok", "Zentravela - v1.0.0.1 com um titulo comprido", caso.flags, 0};
        const auto canvas = Draw(80, 24, &box);
        const std::string screen = Screen(canvas);
        EXPECT_NE(screen.find(caso.icon + (caso.icon.empty() ? "Ok" : "  Ok")), std::string::npos) << screen;
        EXPECT_NE(screen.find(caso.buttons), std::string::npos) << screen;
        EXPECT_NE(canvas.RowText(canvas.Rows() - 1).find(caso.keys), std::string::npos) << canvas.RowText(canvas.Rows() - 1);
        EXPECT_NE(screen.find(" " + box.caption + " "), std::string::npos) << screen;
    }
    // The default button the flags name, and past the last one the last.
    EXPECT_EQ(forms::MessageBoxStyle::Decode(0x3 | 0x200).defaultButton, 2u);
    EXPECT_EQ(forms::MessageBoxStyle::Decode(forms::MB_YESNO | 0x300).defaultButton, 1u);
}

TEST_F(CellPainterTest, KeyLineNamesTheKeysThatWorkWhereTheFocusIs) {
    const auto last = [](const forms::CellCanvas& c) { return c.RowText(c.Rows() - 1); };
    f.SetActiveControl(f.btConfirma);
    EXPECT_NE(last(Draw()).find("1 9 aciona bot\xE3o"), std::string::npos) << last(Draw());
    f.SetActiveControl(f.edData);
    f.edData->SetModified(true);
    const std::string onEdit = last(Draw());
    EXPECT_EQ(onEdit.find("aciona bot\xE3o"), std::string::npos) << onEdit;  // the digits go into the box
    for (const char* key : {"Backspace apaga", "Tab Shift+Tab", "Esc desfaz"}) EXPECT_NE(onEdit.find(key), std::string::npos) << onEdit;
}

// Each row sets the form up, then says what the line must and must not offer.
TEST_F(CellPainterTest, KeyLineOffersOnlyWhatTheKeysDoThere) {
    const auto line = [&] { return [](const forms::CellCanvas& c) { return c.RowText(c.Rows() - 1); }(Draw()); };
    f.btRetorna->SetCancel(true);
    const struct {
        const char* name;
        std::function<void()> setUp;
        std::vector<std::string> offered, notOffered;
    } rows[] = {
        {"unchanged masked box", [&] { f.SetActiveControl(f.edData); }, {"Esc 9 - Cancela"}, {"Esc desfaz"}},
        {"changed masked box", [&] { f.SetActiveControl(f.edData); f.edData->SetModified(true); }, {"Esc desfaz"}, {"Esc 9"}},
        {"read-only box", [&] { f.edNome->SetReadOnly(true); f.SetActiveControl(f.edNome); },
         {"Esc 9 - Cancela"}, {"Backspace", "Enter"}},
        {"cancel button disabled", [&] { f.btRetorna->SetEnabled(false); f.SetActiveControl(f.btConfirma); },
         {"1 aciona", "Enter aciona"}, {"9", "Esc"}},
        {"single tab stop", [&] {
             for (forms::Control* c : std::initializer_list<forms::Control*>{f.edValor, f.edData, f.edNome, f.btRetorna})
                 c->SetEnabled(false);
             f.SetActiveControl(f.btConfirma);
         }, {"Enter aciona"}, {"Tab", "Setas"}},
        {"buttons move with the arrows", [&] { f.SetActiveControl(f.btConfirma); }, {"Tab Setas mudam"}, {}},
        {"default button", [&] { f.btConfirma->SetDefault(true); f.SetActiveControl(f.edNome); },
         {"Enter 1 - Confirma", "Backspace apaga"}, {"aciona bot"}},
        {"box whose handler drops Backspace", [&] {
             f.edNome->OnKeyPress = [](forms::Control&, char& k) { k = k == forms::VK_BACK ? '\0' : k; };
             f.edNome->OnKeyPressQuery = [](char k) { return k == forms::VK_BACK ? '\0' : k; };
             f.SetActiveControl(f.edNome);
         }, {"Tab"}, {"Backspace"}},
    };
    for (const auto& row : rows) {
        for (forms::Control* c : std::initializer_list<forms::Control*>{f.edValor, f.edData, f.edNome, f.btConfirma, f.btRetorna})
            c->SetEnabled(true);
        f.edNome->SetReadOnly(false);
        f.edNome->OnKeyPress = nullptr;
        f.edNome->OnKeyPressQuery = nullptr;
        f.edData->SetModified(false);
        f.btConfirma->SetDefault(false);
        row.setUp();
        const std::string shown = line();
        for (const std::string& part : row.offered) EXPECT_NE(shown.find(part), std::string::npos) << row.name << ": " << shown;
        for (const std::string& part : row.notOffered) EXPECT_EQ(shown.find(part), std::string::npos) << row.name << ": " << shown;
    }
}

TEST_F(CellPainterTest, BelowEightyByTwentyFourTheScreenSaysSo) {
    for (const auto& [cols, rows] : {std::pair{60, 20}, std::pair{79, 24}, std::pair{80, 23}}) {
        const auto small = Draw(cols, rows);
        const std::string notice = Flat(Screen(small));
        EXPECT_NE(notice.find("precisa de pelo menos 80x24"), std::string::npos) << notice;
        EXPECT_NE(notice.find("teclas ficam sem efeito at\xE9 a janela crescer"), std::string::npos) << notice;
        EXPECT_TRUE(small.Placements().empty());
        EXPECT_EQ(small.RowText(rows - 1).find_first_not_of(' '), std::string::npos) << "no key line";
    }
    EXPECT_EQ(Screen(Draw(80, 24)).find("precisa de pelo menos"), std::string::npos);
}

}  // namespace
}  // namespace formstest
