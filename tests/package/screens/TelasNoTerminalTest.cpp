// Every screen of the package as the terminal draws it on 80x24 and 100x30:
// each shipped scenario (and each end-to-end one) runs through the loaded
// package with its operator script, and at every wait for the operator the
// active screen and its message box are drawn off-screen and read back. No
// two controls overlap, everything lies on the screen above the key line,
// captions are whole, a box shows all the operator may type where there is
// room and stays with its label, and the key line says what the form model
// does with Enter, Esc and the digits. Each key the script presses alone is
// checked against what the model said it would do.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "PacoteCarregado.h"
#include "TelasDoPacote.h"
#include "entry/Zentravela.h"
#include "forms/Edit.h"
#include "forms/GlyphButton.h"
#include "forms/Label.h"
#include "forms/backends/CellPainter.h"

namespace zvtest {
namespace {

namespace fs = std::filesystem;

const fs::path kFontes = fs::path(ZV_SOURCE_DIR);

std::string SemBrancos(std::string s) {
    std::erase_if(s, [](char c) { return c == ' ' || c == '\n' || c == '\r'; });
    return s;
}

bool Ancestral(const forms::Control* talvez, const forms::Control& c) {
    for (const forms::Control* p = c.Parent(); p; p = p->Parent())
        if (p == talvez) return true;
    return false;
}

const forms::Placement* Posto(const forms::CellCanvas& tela, const std::string& nome) {
    for (const auto& p : tela.Placements())
        if (p.control->Name() == nome) return &p;
    return nullptr;
}

// The cells a control needs to show all it holds.
int Precisa(const forms::Placement& p) {
    if (auto* edit = dynamic_cast<const forms::Edit*>(p.control))
        return std::max(static_cast<int>(edit->DisplayText().size()), edit->MaxLength()) + 1;
    if (dynamic_cast<const forms::Label*>(p.control)) return static_cast<int>(p.shown.size());
    return p.rect.w;
}

// A box narrower than what may be typed in it, while its row inside its
// panel has cells to spare: up to its neighbour on the right, or on its left
// beyond what the controls there need and a blank after each.
bool CortadaComEspaco(const forms::CellCanvas& tela, const forms::Placement& caixa) {
    if (caixa.rect.w >= Precisa(caixa)) return false;
    int esquerda = 0, direita = tela.Cols(), ocupadas = 0;
    for (const auto& o : tela.Placements()) {
        if (o.control == caixa.control || o.rect.y > caixa.rect.y || o.rect.Bottom() <= caixa.rect.y) continue;
        if (Ancestral(o.control, *caixa.control)) {
            esquerda = std::max(esquerda, o.rect.x + 1);
            direita = std::min(direita, o.rect.Right() - 1);
        } else if (o.rect.x >= caixa.rect.Right()) {
            direita = std::min(direita, o.rect.x - 1);
        } else if (o.rect.Right() <= caixa.rect.x) {
            ocupadas += Precisa(o) + 1;
        }
    }
    return caixa.rect.Right() < direita || caixa.rect.x - esquerda > ocupadas;
}

// What the key line must say for what the model does with a key.
std::string Dito(const std::string& tecla, const forms::KeyEffect& e, const forms::Control* foco) {
    using K = forms::KeyEffect::Kind;
    if (e.kind == K::Focus) return tecla + " pr\xF3ximo";
    if (e.kind == K::Undo) return tecla + " desfaz";
    if (e.kind == K::Press)
        return tecla + " " + (e.target == foco ? "aciona" : static_cast<const forms::GlyphButton*>(e.target)->DisplayCaption());
    return "";
}

std::vector<std::string> LinhaDeTeclas(const forms::Form& f, const std::string& linha) {
    std::vector<std::string> d;
    const forms::Control* foco = f.ActiveControl() && f.ActiveControl()->CanFocus() ? f.ActiveControl() : nullptr;
    for (const auto& [tecla, codigo] : {std::pair<std::string, char>{"Enter", forms::VK_RETURN}, {"Esc", forms::VK_ESCAPE}}) {
        const std::string dito = Dito(tecla, f.WhatKeyDoes(codigo), foco);
        if (dito.empty() ? linha.find(" " + tecla + " ") != std::string::npos : linha.find(dito) == std::string::npos)
            d.push_back("key line '" + linha + "' against the model's " + tecla + " ('" + dito + "')");
    }
    std::string digitos;
    for (char c = '0'; c <= '9'; ++c)
        if (f.WhatKeyDoes(c).kind == forms::KeyEffect::Kind::Press) digitos += (digitos.empty() ? "" : " ") + std::string(1, c);
    const bool anuncia = linha.find("aciona bot") != std::string::npos;
    if (digitos.empty() ? anuncia : linha.find(" " + digitos + " aciona bot") == std::string::npos)
        d.push_back("key line '" + linha + "' against the model's digits '" + digitos + "'");
    return d;
}

// What is wrong with one drawing, one line per fault.
std::vector<std::string> Defeitos(const forms::CellCanvas& tela, const forms::BoxView* caixa, const forms::Form* f) {
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
        if (dynamic_cast<const forms::Edit*>(a.control)) {
            if (CortadaComEspaco(tela, a)) d.push_back(nome + " is cut with room beside it");
            // Its label ("lb" and the same name): beside it, or just above it.
            const forms::Placement* rotulo = nome.rfind("ed", 0) == 0 ? Posto(tela, "lb" + nome.substr(2)) : nullptr;
            if (rotulo && !(rotulo->rect.y <= a.rect.y && a.rect.y < rotulo->rect.Bottom()) &&
                rotulo->rect.Bottom() != a.rect.y)
                d.push_back(nome + " is not on the row of its label");
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
    const std::string teclas = tela.RowText(tela.Rows() - 1) + " ";
    if (SemBrancos(teclas).empty()) d.push_back("no key line");
    if (!caixa && f)
        for (const std::string& e : LinhaDeTeclas(*f, teclas)) d.push_back(e);
    return d;
}

// The operator of a script who also looks at the screen whenever it waits,
// and checks each key pressed alone against what the model said of it.
class OperadorQueDesenha : public forms::HeadlessBackend {
public:
    using forms::HeadlessBackend::HeadlessBackend;

    void Idle(forms::Application& app) override {
        Confere(app);
        Desenha(app, nullptr);
        forms::HeadlessBackend::Idle(app);
        Preve(app);
    }
    int MessageBox(forms::Application& app, const std::string& text, const std::string& caption,
                   uint32_t flags) override {
        ++caixas_;
        const forms::BoxView caixa{text, caption, flags, 0};
        Desenha(app, &caixa);
        return forms::HeadlessBackend::MessageBox(app, text, caption, flags);
    }

    std::set<std::string> telas;
    std::vector<std::string> defeitos;

private:
    struct Previsao {
        forms::Form* tela;
        char tecla;
        forms::KeyEffect efeito;
        const forms::Control* foco;
        int caixas;
    };

    void Falha(const std::string& d) {
        if (defeitos.size() <= 20) defeitos.push_back(d);
    }

    void Desenha(forms::Application& app, const forms::BoxView* caixa) {
        for (const auto& [colunas, linhas] : {std::pair{80, 24}, std::pair{100, 30}}) {
            forms::CellCanvas tela(colunas, linhas);
            forms::PaintCells(app, caixa, tela);
            const std::string nome = app.ActiveForm() ? app.ActiveForm()->Name() : "(no screen)";
            telas.insert(nome);
            for (const std::string& d : Defeitos(tela, caixa, app.ActiveForm())) {
                std::string desenho;
                for (int y = 0; y < tela.Rows(); ++y) desenho += "\n  |" + tela.RowText(y) + "|";
                Falha(nome + " at " + std::to_string(colunas) + "x" + std::to_string(linhas) + ": " + d + desenho);
            }
        }
    }

    // A key the script just queued alone: what the model says it will do,
    // with the form's buttons watched so a press shows.
    void Preve(forms::Application& app) {
        const auto& fila = app.Queue();
        forms::Form* f = app.ActiveForm();
        if (!f || fila.size() != 1 || fila.front().kind != forms::Event::Kind::Key) return;
        const forms::Event& e = fila.front();
        for (forms::Control* c : f->TabList()) {
            auto* b = dynamic_cast<forms::GlyphButton*>(c);
            if (!b || !vigiados_.insert({f->Handle(), b->Name()}).second) continue;
            b->OnClick = [antes = b->OnClick, this](forms::Control& s) {
                acionados_.push_back(&s);
                if (antes) antes(s);
            };
        }
        acionados_.clear();
        previsao_ = Previsao{f, e.key, f->WhatKeyDoes(e.key, e.shift), f->ActiveControl(), caixas_};
    }

    void Confere(forms::Application& app) {
        if (!previsao_) return;
        const Previsao p = *previsao_;
        previsao_.reset();
        using K = forms::KeyEffect::Kind;
        const bool mesma = app.ActiveForm() == p.tela;
        const bool acionou = std::find(acionados_.begin(), acionados_.end(), p.efeito.target) != acionados_.end();
        std::string errado;
        if (p.efeito.kind == K::Press && !acionou) errado = "said it presses a button, which was not pressed";
        if (p.efeito.kind != K::Press && !acionados_.empty()) errado = "said it presses no button, but one was pressed";
        if (p.efeito.kind == K::Focus && mesma && p.tela->ActiveControl() == p.foco && caixas_ == p.caixas)
            errado = "said it moves the focus, which stayed";
        if (p.efeito.kind == K::None && mesma && p.tela->ActiveControl() != p.foco) errado = "said it does nothing, but the focus moved";
        if (!errado.empty()) Falha(p.tela->Name() + ": key " + std::to_string(static_cast<int>(p.tecla)) + ": the model " + errado);
    }

    std::optional<Previsao> previsao_;
    std::set<std::pair<forms::WindowHandle, std::string>> vigiados_;
    std::vector<const forms::Control*> acionados_;
    int caixas_ = 0;
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

using TelasNoTerminal = PacoteCarregado;

// One scenario on a freshly loaded package; the screens it drew join `telas`.
std::vector<std::string> Desenha(const fs::path& cenario, std::set<std::string>& telas) {
    fs::path roteiro = cenario;
    roteiro.replace_extension(".txt");
    OperadorQueDesenha operador(fs::exists(roteiro) ? forms::LoadOperatorScript(roteiro.string())
                                                   : std::vector<forms::ScriptAction>{});
    forms::Backend* antes = forms::Application::Instance().GetBackend();
    forms::Application::Instance().SetBackend(&operador);
    Cliente().LoadScenario(Le(cenario), cenario.filename().string());
    try {
        Executa(Cliente().Current().entry, static_cast<uint32_t>(Cliente().Current().function));
    } catch (const forms::OperatorAbort&) {
        // A script that stops early has still shown what it reached.
    }
    forms::Application::Instance().SetBackend(antes);
    telas.insert(operador.telas.begin(), operador.telas.end());
    return operador.defeitos;
}

TEST_F(TelasNoTerminal, EveryScreenOfEveryScenarioFitsAndTellsItsKeys) {
    const std::vector<std::string> cenarios = Cenarios();
    if (cenarios.empty()) GTEST_SKIP() << "the scenarios are not where this test was built: " << kFontes;
    std::set<std::string> telas;
    for (const std::string& cenario : cenarios) {
        Finalize();
        Cliente().Reset();
        Initialize();
        for (const std::string& d : Desenha(kFontes / cenario, telas)) ADD_FAILURE() << cenario << ": " << d;
    }
    // Every screen of the package must be drawn by some run, under its form name.
    const std::set<std::string> classes = ClassesDeTela();
    ASSERT_FALSE(classes.empty()) << "the package's headers were not found under " << kFontes;
    for (const std::string& classe : classes)
        EXPECT_TRUE(telas.count(classe.substr(1))) << classe.substr(1) << " was never drawn";
}

}  // namespace
}  // namespace zvtest
