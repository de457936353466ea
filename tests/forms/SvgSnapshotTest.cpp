// Pictures of forms and message boxes: drawn where the model puts things, in
// its fonts and colours, and written in the order the operator saw them.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>

#include "FormsFixture.h"
#include "forms/Memo.h"
#include "forms/SnapshotWriter.h"
#include "forms/SvgSnapshot.h"

namespace formstest {
namespace {

namespace fs = std::filesystem;

// "x y width height overflow" of the viewport titled `name`, "" when absent.
std::string Viewport(const std::string& svg, const std::string& name) {
    const std::regex re("<svg x=\"(-?\\d+)\" y=\"(-?\\d+)\" width=\"(\\d+)\" height=\"(\\d+)\" overflow=\"(\\w+)\"><title>" +
                        name + "</title>");
    std::smatch m;
    if (!std::regex_search(svg, m, re)) return "";
    return m[1].str() + " " + m[2].str() + " " + m[3].str() + " " + m[4].str() + " " + m[5].str();
}

bool Has(const std::string& svg, const std::string& part) { return svg.find(part) != std::string::npos; }

size_t Count(const std::string& svg, const std::string& part) {
    size_t n = 0;
    for (size_t at = svg.find(part); at != std::string::npos; at = svg.find(part, at + 1)) ++n;
    return n;
}

class LaidOutForm : public CaptureForm {
public:
    LaidOutForm() {
        SetSize(638, 461);
        SetBorderless(true);
        lbTitulo->SetBounds(40, 6, 361, 22);
        lbTitulo->SetCaption("Cr\xE9" "dito & <Vista>");
        lbTitulo->GetFont().color = 0x840000;
        pnCaptura->SetBounds(20, 82, 580, 234);
        edValor->SetBounds(180, 16, 160, 24);
        edData->SetBounds(180, 56, 90, 24);
        edNome->SetBounds(180, 96, 200, 24);
        edNome->Hide();
        pnBotoes->SetBounds(111, 330, 400, 40);
        btConfirma->SetBounds(70, 8, 120, 25);
        btRetorna->SetBounds(210, 8, 120, 25);
        btRetorna->SetEnabled(false);
    }
};

TEST_F(FormsTest, PictureDrawsEachVisibleControlAtItsDeclaredPlaceInItsFontAndColours) {
    LaidOutForm f;
    f.edValor->SetText("1500");
    f.edValor->SelectAll();
    f.SetActiveControl(f.edValor);
    const std::string svg = forms::FormSvg(f);

    const std::vector<std::pair<std::string, std::string>> places = {
        {"lbTitulo", "40 6 361 22 visible"},     // a label grows to its caption
        {"pnCaptura", "20 82 580 234 hidden"},   // children are placed inside their panel
        {"edValor", "180 16 160 24 hidden"},
        {"edData", "180 56 90 24 hidden"},
        {"btConfirma", "70 8 120 25 hidden"},
        {"edNome", ""},                           // hidden: not drawn
    };
    for (const auto& [name, place] : places) EXPECT_EQ(Viewport(svg, name), place) << name;
    EXPECT_EQ(Count(svg, "<svg"), Count(svg, "</svg>"));
    EXPECT_TRUE(Has(svg, "width=\"638\" height=\"461\""));

    EXPECT_TRUE(Has(svg, "fill=\"#000084\" xml:space=\"preserve\">Cr\xC3\xA9" "dito &amp; &lt;Vista&gt;</text>")) << svg;
    EXPECT_TRUE(Has(svg, "<tspan fill=\"#ffffff\">1500</tspan>")) << "the selected text is drawn as selected";
    EXPECT_TRUE(Has(svg, "<tspan text-decoration=\"underline\">1</tspan> - Confirma")) << "the accelerator";
    EXPECT_TRUE(Has(svg, "fill=\"#808080\" text-anchor=\"middle\" xml:space=\"preserve\"><tspan text-decoration=\"underline\">9"))
        << "a disabled button is greyed";

    f.lbTitulo->SetAutoSize(false);
    EXPECT_EQ(Viewport(forms::FormSvg(f), "lbTitulo"), "40 6 361 22 hidden");

    // A text wider than its box is drawn from where the model scrolled it: the end typed last shows.
    f.edValor->SetText("1234567890123456789012345678901234567890");
    f.edValor->SetSelStart(40);
    const std::string scrolled = forms::FormSvg(f);
    EXPECT_FALSE(Has(scrolled, ">1234567890123456789012345678901234567890<")) << scrolled;
    EXPECT_TRUE(Has(scrolled, "901234567890</text>")) << scrolled;
}

// What a picture must leave out as the platform does: a scroll bar on a memo
// that holds exactly its page, the selection of a box without the focus, and
// the lines of a wrapping label beyond its bounds.
TEST_F(FormsTest, PictureLeavesOutWhatThePlatformDoesNotShow) {
    LaidOutForm f;
    auto& memo = f.Add<forms::Memo>("mmRecibo", f.pnCaptura);
    memo.SetBounds(360, 16, 200, 4 + 3 * 15);  // three lines of 13 pixels and their spacing
    memo.GetFont().size = -13;
    auto& nota = f.Add<forms::Label>("lbNota", f.pnCaptura);
    nota.SetBounds(10, 150, 120, 20);
    nota.SetWordWrap(true);
    nota.SetCaption("Uma nota longa que quebra em linhas");
    f.edValor->SetText("1500");
    f.edValor->SelectAll();
    f.SetActiveControl(f.edData);
    const auto arrows = [](const std::string& svg) { return Count(svg, "<polygon"); };
    for (int lines : {3, 4}) {
        memo.Clear();
        for (int i = 0; i < lines; ++i) memo.Add("linha " + std::to_string(i));
        EXPECT_EQ(arrows(forms::FormSvg(f)), lines > 3 ? 2u : 0u) << lines << " lines in a page of 3";
    }
    const std::string svg = forms::FormSvg(f);
    EXPECT_FALSE(Has(svg, "<tspan fill=\"#ffffff\">1500</tspan>")) << "a box without the focus shows no selection";
    EXPECT_FALSE(Has(svg, "fill=\"#000080\"")) << "no highlight behind it either";
    EXPECT_EQ(Viewport(svg, "lbNota"), "10 150 120 20 hidden") << "a wrapping label is cut at its bounds";
}

TEST_F(FormsTest, MessageBoxShowsItsButtonsAndIconAndIsWideEnoughForItsCaption) {
    struct Case {
        uint32_t flags;
        std::vector<std::string> buttons;
        std::string icon;
    };
    const std::vector<Case> cases = {
        {forms::MB_OK | forms::MB_TOPMOST, {"OK"}, ""},
        {forms::MB_YESNO | forms::MB_ICONINFORMATION, {"Sim", "N\xC3\xA3o"}, "<circle"},
        {forms::MB_OK | forms::MB_ICONEXCLAMATION, {"OK"}, "<polygon"},
    };
    for (const Case& c : cases) {
        const std::string svg = forms::MessageBoxSvg(nullptr, "Valor inv\xE1lido", "Zentravela", c.flags);
        for (const std::string& b : c.buttons) EXPECT_NE(Viewport(svg, b), "") << b;
        EXPECT_EQ(Count(svg, "<title>"), 1 + c.buttons.size()) << c.flags;
        EXPECT_EQ(Has(svg, "<circle") || Has(svg, "<polygon"), !c.icon.empty()) << c.flags;
        if (!c.icon.empty()) {
            EXPECT_TRUE(Has(svg, c.icon)) << c.flags;
        }
        EXPECT_TRUE(Has(svg, ">Valor inv\xC3\xA1lido</text>"));
    }
    auto width = [](const std::string& caption) {
        return std::stoi(Viewport(forms::MessageBoxSvg(nullptr, "ok", caption, 0), "MessageBox").substr(4));
    };
    EXPECT_GT(width(std::string(60, 'W')), width("Zentravela") + 300);

    LaidOutForm under;
    const std::string over = forms::MessageBoxSvg(&under, "Confirma?", "Zentravela", forms::MB_YESNO);
    EXPECT_NE(Viewport(over, "edValor"), "") << "the form the box covers is drawn under it";
    EXPECT_GT(over.find("<title>MessageBox"), over.find("<title>edValor")) << "the box is drawn last";
}

TEST_F(FormsTest, SnapshotWriterNumbersThePicturesInTheOrderTheOperatorSawThem) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder = fs::temp_directory_path() / ("svg-snapshots-" + std::to_string(stamp));
    fs::remove_all(folder);
    {
        forms::SnapshotWriter writer(folder.string());
        app().AddObserver(&writer);
        LaidOutForm f;
        f.btRetorna->SetEnabled(true);
        // Shown, it lays itself out on activation, as the menus do.
        f.OnActivate = [&](forms::Form&) { f.lbTitulo->SetCaption("Ativada"); };
        f.btConfirma->OnClick = [&](forms::Control&) {
            app().MessageBox("Confirma?", "Zentravela", forms::MB_YESNO);
            f.edValor->SetText("1");
        };
        Run(f, "click btConfirma\nanswer yes\nclick btRetorna\n");
        // A form that closes before it ever waits is still pictured.
        LaidOutForm quick;
        quick.SetName("FrmRapida");
        quick.OnActivate = [&](forms::Form&) { quick.SetModalResult(forms::mrOk); };
        Run(quick, "");
        app().RemoveObserver(&writer);
        EXPECT_EQ(writer.Written(), 4);
        EXPECT_EQ(writer.Failure(), "");
    }
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    // Shown; the box over it; the form again when it waits after the box, as the handler left it.
    EXPECT_EQ(names, (std::vector<std::string>{"001-FrmTeste.svg", "002-FrmTeste-box.svg", "003-FrmTeste.svg",
                                               "004-FrmRapida.svg"}));
    auto text = [&](const char* name) {  // read and closed: an open file cannot be removed on Windows
        std::ifstream in(folder / name);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_TRUE(Has(text("001-FrmTeste.svg"), ">Ativada</text>"));
    EXPECT_TRUE(Has(text("003-FrmTeste.svg"), "preserve\">1</text>")) << "drawn when it came back, not when the box closed";
    fs::remove_all(folder);

    std::ofstream(folder.string() + ".file") << "x";
    EXPECT_THROW(forms::SnapshotWriter((folder.string() + ".file/pictures")), std::runtime_error);
    fs::remove(folder.string() + ".file");
}

}  // namespace
}  // namespace formstest
