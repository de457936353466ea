#pragma once
// A loaded package over the stand-in host, with a scripted operator: what the
// credit tests share.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "PacoteCarregado.h"
#include "common/ZentravelaMain.h"

namespace zvtest {

class AmbienteCredito : public zvtest::PacoteCarregado {
protected:
    void TearDown() override {
        zvtest::PacoteCarregado::TearDown();
        Cliente().Reset();
    }

    // The operator's next actions, one a line in the script language.
    void Operador(const std::string& roteiro) { NovoOperador(roteiro); }

    // Runs a screen as an entry point does, with the operator's script.
    bool Roda(const std::string& classe, forms::Form*& tela, const std::string& roteiro) {
        Operador(roteiro);
        return zv::CriaExecutaForm(classe, nullptr, tela);
    }
    bool RoteiroAcabou() const { return operador_ && operador_->ScriptDone(); }

    // Journal lines of a kind, and the texts of the message boxes shown.
    std::vector<nlohmann::json> Linhas(const std::string& tipo) { return Cliente().GetJournal().OfType(tipo); }
    std::vector<std::string> CaixasUtf8() {
        std::vector<std::string> textos;
        for (const auto& l : Linhas("box")) textos.push_back(l.value("text", ""));
        return textos;
    }
    // The record sent with the last authorisation.
    nlohmann::json UltimoRegistro() {
        const auto chamadas = Cliente().Calls("AutorizaTransacao");
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
        for (const auto& c : Cliente().Calls("GravaCampoString")) {
            if (c["args"][0] == campo) return true;
        }
        return false;
    }
};

}  // namespace zvtest
