#pragma once
// A loaded package over the stand-in client: fresh client state, a headless
// operator, Initialize before each test and Finalize after it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CatalogoCliente.h"
#include "Cliente.h"
#include "entry/Zentravela.h"
#include "forms/Application.h"
#include "forms/backends/HeadlessBackend.h"
#include "sim/HostCall.h"
#include "sim/JournalFormObserver.h"
#include "sim/State.h"

namespace zvtest {

class PacoteCarregado : public ::testing::Test {
protected:
    void SetUp() override {
        Cliente().Reset();
        auto& app = forms::Application::Instance();
        app.Reset();
        NovoOperador();
        app.AddObserver(&observador_);
        Initialize();
    }

    void TearDown() override {
        Finalize();
        auto& app = forms::Application::Instance();
        app.RemoveObserver(&observador_);
        app.SetBackend(nullptr);
        app.Reset();
    }

    // A new headless operator that plays `script` (one action a line).
    void NovoOperador(const std::string& script = "") {
        operador_ = std::make_unique<forms::HeadlessBackend>(
            script.empty() ? std::vector<forms::ScriptAction>{} : forms::ParseOperatorScript(script, "teste"));
        forms::Application::Instance().SetBackend(operador_.get());
    }

    static void Campo(int campo, const std::string& valor, int indice = 0) {
        Cliente().SetField(campo, valor, indice);
    }
    static std::string Campo(int campo, int indice = 0) { return Cliente().Field(campo, indice); }
    static std::vector<nlohmann::json> Chamadas(const std::string& fn) { return Cliente().Calls(fn); }
    // The journal's lines of the message boxes shown, in order.
    static std::vector<nlohmann::json> LinhasCaixa() { return Cliente().GetJournal().OfType("box"); }
    // A CP1252 text as the journal shows it (UTF-8).
    static std::string TextoJournal(const std::string& cp1252) { return sim::J(cp1252).get<std::string>(); }

    std::unique_ptr<forms::HeadlessBackend> operador_;
    sim::JournalFormObserver observador_;
};

}  // namespace zvtest
