#pragma once
// What the package's fuzz targets share: the package loaded once over the
// stand-in client, and before each input a client with an empty store and
// journal (so the journal never grows past one input) and a headless operator
// who answers the message boxes from a script.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "entry/Zentravela.h"
#include "forms/Application.h"
#include "forms/backends/HeadlessBackend.h"
#include "sim/JournalFormObserver.h"
#include "sim/State.h"

namespace zvfuzz {

// A text field as the package reads it (a C string): up to its first zero byte.
inline std::string Texto(std::string bytes) {
    bytes.resize(std::min(bytes.size(), bytes.find('\0')));
    return bytes;
}

class PacoteFuzz {
public:
    static PacoteFuzz& Instance() {
        static PacoteFuzz* pacote = new PacoteFuzz;
        return *pacote;
    }

    // A fresh client and an operator whose answers are `roteiro` (one action a line).
    sim::State& NovaEntrada(const std::string& roteiro) {
        sim::State& cliente = sim::State::Instance();
        cliente.Reset();
        auto& app = forms::Application::Instance();
        app.SetBackend(nullptr);
        operador_ = std::make_unique<forms::HeadlessBackend>(
            roteiro.empty() ? std::vector<forms::ScriptAction>{} : forms::ParseOperatorScript(roteiro, "fuzz"));
        app.SetBackend(operador_.get());
        return cliente;
    }

    // For targets that check nothing in the journal: building its lines costs
    // more than the package's own work, and a fuzz run is measured in executions.
    static void SemDiario() { sim::State::Instance().GetJournal().SetRecording(false); }

    // How many message boxes the operator was shown during this input.
    static size_t QuantasCaixas() { return sim::State::Instance().GetJournal().OfType("box").size(); }

private:
    PacoteFuzz() {
        forms::Application::Instance().Reset();
        forms::Application::Instance().AddObserver(&observador_);
        Initialize();
    }
    std::unique_ptr<forms::HeadlessBackend> operador_;
    sim::JournalFormObserver observador_;
};

}  // namespace zvfuzz
