// Every screen of the package as the terminal draws it on 80x24: each shipped
// scenario (and each end-to-end one) runs through the loaded package with its
// operator script, and at every wait for the operator the active screen and
// its message box are drawn off-screen and read back. No two controls
// overlap, everything lies on the screen above the key line, and captions
// are whole.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "PacoteCarregado.h"
#include "Zentravela.h"
#include "forms/GlyphButton.h"
#include "forms/Label.h"
#include "forms/backends/CellPainter.h"

namespace zvtest {
namespace {

namespace fs = std::filesystem;

const fs::path kFontes = fs::path(ZV_SOURCE_DIR);

// The screens the package shows; each must be drawn by some run.
const std::set<std::string> kTelas = {
    "FrmCred_Mnu",   "FrmPreAut_Mnu", "FrmCredAdm_Mnu",    "FrmSaqueCredito_Mnu", "FrmCnc_Mnu",
    "FrmVis_Crd",    "FrmEst_CrdPar", "FrmCpr_AdmCrdPar",  "FrmCap_Perg",         "FrmPag_Trn",
    "FrmFat_Cnc",    "FrmCrd_Cnc",    "FrmFin_Cnc",        "FrmPar_Saq",          "FrmRot_Saq",
    "FrmCon_AdmSaque", "FrmCon_AdmCrdPar", "FrmCnsSaldo_Cred", "FrmImprime_Mod"};

std::string SemBrancos(std::string s) {
    std::erase_if(s, [](char c) { return c == ' ' || c == '\n' || c == '\r'; });
    return s;
}

bool Ancestral(const forms::Control* talvez, const forms::Control& c) {
    for (const forms::Control* p = c.Parent(); p; p = p->Parent())
        if (p == talvez) return true;
    return false;
}

// What is wrong with one drawing, one line per fault.
std::vector<std::string> Defeitos(const forms::CellCanvas& tela, const forms::BoxView* caixa) {
    std::vector<std::string> d;
    const auto& postos = tela.Placements();
    for (size_t i = 0; i < postos.size(); ++i) {
        const forms::Placement& a = postos[i];
        const std::string nome = a.control->Name();
        if (!a.rect.Inside(tela.Cols(), tela.Rows() - 1)) d.push_back(nome + " lies off the screen");
        for (size_t j = i + 1; j < postos.size(); ++j) {
            const forms::Placement& b = postos[j];
            if (a.rect.Overlaps(b.rect) && !Ancestral(a.control, *b.control) && !Ancestral(b.control, *a.control))
                d.push_back(nome + " overlaps " + b.control->Name());
        }
        if (dynamic_cast<const forms::Label*>(a.control) && SemBrancos(a.shown) != SemBrancos(a.control->Caption()))
            d.push_back(nome + " shows '" + a.shown + "' of '" + a.control->Caption() + "'");
        if (auto* botao = dynamic_cast<const forms::GlyphButton*>(a.control)) {
            const std::string legenda = botao->DisplayCaption();
            if (a.shown != "[ " + legenda + " ]" && a.shown != "[" + legenda + "]")
                d.push_back(nome + " shows '" + a.shown + "' of '" + legenda + "'");
        }
    }
    std::string linhas;
    for (int y = 0; y < tela.Rows(); ++y) linhas += tela.RowText(y) + "\n";
    if (caixa) {
        if (linhas.find(" " + caixa->caption + " ") == std::string::npos) d.push_back("box caption cut: " + caixa->caption);
        std::istringstream palavras(caixa->text);
        for (std::string p; palavras >> p;)
            if (linhas.find(p) == std::string::npos) d.push_back("box text lost '" + p + "'");
    }
    if (SemBrancos(tela.RowText(tela.Rows() - 1)).empty()) d.push_back("no key line");
    return d;
}

// The operator of a script who also looks at the screen whenever it waits.
class OperadorQueDesenha : public forms::HeadlessBackend {
public:
    using forms::HeadlessBackend::HeadlessBackend;

    void Idle(forms::Application& app) override {
        Desenha(app, nullptr);
        forms::HeadlessBackend::Idle(app);
    }
    int MessageBox(forms::Application& app, const std::string& text, const std::string& caption,
                   uint32_t flags) override {
        const forms::BoxView caixa{text, caption, flags, 0};
        Desenha(app, &caixa);
        return forms::HeadlessBackend::MessageBox(app, text, caption, flags);
    }

    std::set<std::string> telas;
    std::vector<std::string> defeitos;

private:
    void Desenha(forms::Application& app, const forms::BoxView* caixa) {
        forms::CellCanvas tela(80, 24);
        forms::PaintCells(app, caixa, tela);
        const std::string nome = app.ActiveForm() ? app.ActiveForm()->Name() : "(no screen)";
        telas.insert(nome);
        for (const std::string& d : Defeitos(tela, caixa)) {
            if (defeitos.size() > 20) return;
            std::string desenho;
            for (int y = 0; y < tela.Rows(); ++y) desenho += "\n  |" + tela.RowText(y) + "|";
            defeitos.push_back(nome + ": " + d + desenho);
        }
    }
};

std::string Le(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every scenario with its script (none: only its first screen is drawn).
std::vector<std::string> Cenarios() {
    std::vector<std::string> r;
    for (const fs::path& dir : {kFontes / "clientvorix/scenarios", kFontes / "tests/e2e"}) {
        std::error_code erro;
        if (!fs::is_directory(dir, erro)) continue;
        for (const auto& e : fs::recursive_directory_iterator(dir))
            if (e.path().extension() == ".toml") r.push_back(fs::relative(e.path(), kFontes).generic_string());
    }
    std::sort(r.begin(), r.end());
    return r;
}

void Executa(const std::string& entrada, uint32_t funcao) {
    const std::map<std::string, ZvEntryProc> pontos = {
        {"ExecutaVenda", &ExecutaVenda},       {"ExecutaFuncaoADM", &ExecutaFuncaoADM},
        {"ExecutaGenerico", &ExecutaGenerico}, {"ExecutaConsultaCheque", &ExecutaConsultaCheque},
        {"ExecutaPreAutorizacao", &ExecutaPreAutorizacao}};
    pontos.at(entrada)(0x1000, funcao);
}

using LayoutTela = PacoteCarregado;

// One scenario on a freshly loaded package; the screens it drew join `telas`.
std::vector<std::string> Desenha(const fs::path& cenario, std::set<std::string>& telas) {
    fs::path roteiro = cenario;
    roteiro.replace_extension(".txt");
    OperadorQueDesenha operador(fs::exists(roteiro) ? forms::LoadOperatorScript(roteiro.string())
                                                   : std::vector<forms::ScriptAction>{});
    forms::Backend* antes = forms::Application::Instance().GetBackend();
    forms::Application::Instance().SetBackend(&operador);
    sim::State::Instance().LoadScenario(Le(cenario), cenario.filename().string());
    try {
        Executa(sim::State::Instance().Current().entry, static_cast<uint32_t>(sim::State::Instance().Current().function));
    } catch (const forms::OperatorAbort&) {
        // A script that stops early has still shown what it reached.
    }
    forms::Application::Instance().SetBackend(antes);
    telas.insert(operador.telas.begin(), operador.telas.end());
    return operador.defeitos;
}

TEST_F(LayoutTela, EveryScreenOfEveryScenarioFitsEightyByTwentyFour) {
    const std::vector<std::string> cenarios = Cenarios();
    if (cenarios.empty()) GTEST_SKIP() << "the scenarios are not where this test was built: " << kFontes;
    std::set<std::string> telas;
    for (const std::string& cenario : cenarios) {
        Finalize();
        Cliente().Reset();
        Initialize();
        for (const std::string& d : Desenha(kFontes / cenario, telas)) ADD_FAILURE() << cenario << ": " << d;
    }
    for (const std::string& tela : kTelas) EXPECT_TRUE(telas.count(tela)) << tela << " was never drawn";
}

}  // namespace
}  // namespace zvtest
