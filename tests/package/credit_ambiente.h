#pragma once
// A loaded package over the stand-in host, with a scripted operator: what the
// credit tests share.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Zentravela.h"
#include "ZentravelaMain.h"
#include "forms/Application.h"
#include "forms/backends/HeadlessBackend.h"
#include "sim/Catalogue.h"
#include "sim/Cp1252.h"
#include "sim/JournalFormObserver.h"
#include "sim/State.h"

namespace credit_teste {

class AmbienteCredito : public ::testing::Test {
protected:
    void SetUp() override {
        sim::State::Instance().Reset();
        auto& app = forms::Application::Instance();
        app.Reset();
        app.AddObserver(&observador_);
        Initialize();
    }

    void TearDown() override {
        Finalize();
        auto& app = forms::Application::Instance();
        app.RemoveObserver(&observador_);
        app.SetBackend(nullptr);
        app.Reset();
        sim::State::Instance().Reset();
    }

    sim::State& Host() { return sim::State::Instance(); }
    void Campo(int campo, const std::string& valor) { Host().SetField(campo, valor); }
    std::string Campo(int campo) { return Host().Field(campo); }

    // The operator's next actions, one a line in the script language.
    void Operador(const std::string& roteiro) {
        backend_ = std::make_unique<forms::HeadlessBackend>(forms::ParseOperatorScript(roteiro, "teste"));
        forms::Application::Instance().SetBackend(backend_.get());
    }

    // Runs a screen as an entry point does, with the operator's script.
    bool Roda(const std::string& classe, forms::Form*& tela, const std::string& roteiro) {
        Operador(roteiro);
        return zv::CriaExecutaForm(classe, nullptr, tela);
    }
    bool RoteiroAcabou() const { return backend_ && backend_->ScriptDone(); }

    // Journal lines of a kind, and the texts of the message boxes shown.
    std::vector<nlohmann::json> Linhas(const std::string& tipo) { return Host().GetJournal().OfType(tipo); }
    std::vector<std::string> Caixas() {
        std::vector<std::string> textos;
        for (const auto& l : Linhas("box")) textos.push_back(l.value("text", ""));
        return textos;
    }
    // A catalogue text as the journal shows it.
    static std::string Msg(int numero) { return sim::Cp1252ToUtf8(sim::MessageText(numero)); }
    // The record sent with the last authorisation.
    nlohmann::json UltimoRegistro() {
        const auto chamadas = Host().Calls("AutorizaTransacao");
        return chamadas.empty() ? nlohmann::json() : chamadas.back()["record"];
    }
    // The text entries of a record, in order.
    static std::vector<std::string> Textos(const nlohmann::json& registro) {
        std::vector<std::string> textos;
        for (const auto& e : registro["entries"]) {
            if (e.contains("text")) textos.push_back(e["text"].get<std::string>());
        }
        return textos;
    }
    // Names of the forms created, in order.
    std::vector<std::string> TelasCriadas() {
        std::vector<std::string> nomes;
        for (const auto& l : Linhas("form")) {
            if (l.value("event", "") == "create") nomes.push_back(l.value("name", ""));
        }
        return nomes;
    }
    // Whether the package wrote `campo` (even an empty text).
    bool Gravou(int campo) {
        for (const auto& c : Host().Calls("GravaCampoString")) {
            if (c["args"][0] == campo) return true;
        }
        return false;
    }

private:
    sim::JournalFormObserver observador_;
    std::unique_ptr<forms::HeadlessBackend> backend_;
};

}  // namespace credit_teste
