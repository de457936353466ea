#pragma once
// Small screens that stand in for the real ones under their class names, so
// the entry points and the form runner can be watched on their own.
#include <functional>
#include <string>
#include <vector>

#include "common/ZentravelaMain.h"
#include "forms/Application.h"
#include "forms/Form.h"

namespace zvtest {

// What a test screen saw while it was shown.
struct TelaVista {
    std::string nome;
    forms::WindowHandle janela = 0;
};

// Every screen shown since the last Limpa, in order.
inline std::vector<TelaVista>& TelasVistas() {
    static std::vector<TelaVista> vistas;
    return vistas;
}

// What the next screens do when shown: set this modal result (and run the
// hook first, when there is one).
struct ComportamentoTela {
    int resultado = forms::mrCancel;
    std::function<void(forms::Form&)> aoMostrar;
};
inline ComportamentoTela& Comportamento() {
    static ComportamentoTela c;
    return c;
}

inline void LimpaTelas() {
    TelasVistas().clear();
    Comportamento() = ComportamentoTela{};
}

class TelaTeste : public forms::Form {
public:
    explicit TelaTeste(std::string nome) : forms::Form(std::move(nome)) {
        OnShow = [](forms::Form& f) {
            TelasVistas().push_back({f.Name(), forms::Application::Instance().Handle()});
            if (Comportamento().aoMostrar) Comportamento().aoMostrar(f);
            if (f.ModalResult() == forms::mrNone) f.SetModalResult(Comportamento().resultado);
        };
    }
};

// A test screen whose form name is `Nome`, created as the package creates its own.
template <const char* Nome>
class TelaTesteNomeada : public TelaTeste {
public:
    TelaTesteNomeada() : TelaTeste(Nome) {}
};

// Registers a test screen under `classe`, the way the package's units register theirs.
template <const char* Nome>
void RegistraTelaTeste(const char* classe) {
    zv::RegistraTela<TelaTesteNomeada<Nome>>(classe);
}

}  // namespace zvtest
