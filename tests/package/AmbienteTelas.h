#pragma once
// What the screen tests share: the stand-in host in a known state, a headless
// operator with a script, the journal read back as a list of calls, and small
// concrete screens built on the models.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CatalogoCliente.h"
#include "Cliente.h"
#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "cp1252/Cp1252.h"
#include "forms/Locale.h"
#include "forms/backends/HeadlessBackend.h"
#include "screens/CapturaPerguntasZentravela.h"
#include "screens/MenuModeloZentravela.h"
#include "screens/ModeloZentravela.h"
#include "screens/TrnModeloZentravela.h"
#include "sim/JournalFormObserver.h"
#include "sim/State.h"

namespace zvtest {

inline ZvTrnRecord RegistroTeste() {
    ZvTrnRecord r{};
    r.code = 56;
    r.flag = 1;
    r.entries[0].field = 1003;
    r.entries[0].attr2 = 4;
    r.entries[1].field = ZV_TRN_END_OF_LIST;
    return r;
}

// A small transaction screen: the model with its record set.
class TFrmTeste_Trn : public zv::TFrmTrn_Mod {
public:
    TFrmTeste_Trn() : zv::TFrmTrn_Mod("FrmTeste_Trn") {}
    void IniciaCamposForm() override {
        zv::TFrmTrn_Mod::IniciaCamposForm();
        Transacao = &registro;
    }
    ZvTrnRecord registro = RegistroTeste();
};

class AmbienteTelas : public ::testing::Test {
protected:
    void SetUp() override {
        Cliente().Reset();
        auto& app = forms::Application::Instance();
        app.Reset();
        backend_ = std::make_unique<forms::HeadlessBackend>();
        app.SetBackend(backend_.get());
        app.AddObserver(&observador_);
        forms::Settings() = forms::FormatSettings{};
        zv::ZentravelaMain::Initialization();
        zv::ModeloZentravela::Initialization();
        zv::TrnModeloZentravela::Initialization();
        zv::CapturaPerguntasZentravela::Initialization();
        zv::MenuModeloZentravela::Initialization();
    }

    void TearDown() override {
        Libera();
        zv::MenuModeloZentravela::Finalization();
        zv::CapturaPerguntasZentravela::Finalization();
        zv::TrnModeloZentravela::Finalization();
        zv::ModeloZentravela::Finalization();
        zv::ZentravelaMain::Finalization();
        auto& app = forms::Application::Instance();
        app.RemoveObserver(&observador_);
        app.Reset();
        app.SetBackend(nullptr);
    }

    // A scenario in TOML; "entry" is added.
    static void Cenario(const std::string& toml) {
        Cliente().LoadScenario("entry = \"ExecutaVenda\"\n" + toml, "teste.toml");
    }
    // A scenario whose service data ask the questions of `item` ("PERG:..."),
    // with the [fields] lines `campos` and the TOML `mais` after them.
    static void CenarioComPerguntas(const std::string& campos, const std::string& item, const std::string& mais = "") {
        Cenario("[fields]\n" + campos + "\"20115\" = \"1\"\n[occurrences]\n\"20005\" = [\"" + item +
                "\"]\n[service]\ntags = { \"PERG:\" = \"1\" }\n" + mais);
    }
    void Roteiro(const std::string& script) { backend_->Append(forms::ParseOperatorScript(script, "teste.txt")); }

    // The host calls of the journal for the functions named, in order.
    static std::vector<std::string> Chamadas(const std::set<std::string>& funcoes) {
        std::vector<std::string> r;
        for (const auto& linha : Cliente().JournalLines()) {
            if (linha.value("t", "") != "call") continue;
            const std::string fn = linha.value("fn", "");
            if (!funcoes.count(fn)) continue;
            // Field and tag functions are told apart by their first argument.
            static const std::set<std::string> comArgumento = {
                "FosdalLimpaCampo", "FosdalLeCampo", "FosdalGravaCampo", "GravaCampoString", "LeCampo",
                "VerificaServico5", "VerificaServico5String", "FosdalLeCampoMaxLen", "LeMensagens"};
            const auto& args = linha["args"];
            const bool arg = comArgumento.count(fn) && args.is_array() && !args.empty();
            r.push_back(arg ? fn + "(" + args[0].dump() + ")" : fn);
        }
        return r;
    }
    static int Quantas(const std::string& fn) { return static_cast<int>(Cliente().Calls(fn).size()); }
    // Texts of the message boxes shown, in order, in CP1252 as the package wrote them.
    static std::vector<std::string> CaixasCp1252() {
        std::vector<std::string> r;
        for (const auto& linha : Cliente().GetJournal().OfType("box"))
            r.push_back(cp1252::Utf8ToCp1252(linha.value("text", "")));
        return r;
    }
    static std::string Campo(int campo) { return Cliente().Field(campo); }

    // Creates, shows modally, and keeps the screen for inspection.
    template <class T>
    T& Mostra(int& resultado) {
        T* tela = forms::Application::Instance().Create<T>();
        telas_.push_back(tela);
        resultado = tela->ShowModal();
        return *tela;
    }
    template <class T>
    T& Cria() {
        T* tela = forms::Application::Instance().Create<T>();
        telas_.push_back(tela);
        return *tela;
    }
    void Libera() {
        for (auto it = telas_.rbegin(); it != telas_.rend(); ++it) forms::Application::Instance().Destroy(*it);
        telas_.clear();
    }

    std::unique_ptr<forms::HeadlessBackend> backend_;
    sim::JournalFormObserver observador_;
    std::vector<forms::Form*> telas_;
};

}  // namespace zvtest
