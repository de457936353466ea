#include "forms/backends/ScreenBackend.h"
#include "forms/backends/TerminalBackend.h"

namespace forms {

std::unique_ptr<Backend> MakeScreenBackend() { return std::make_unique<TerminalBackend>(); }

std::unique_ptr<Backend> MakeScreenBackend(std::vector<ScriptAction> script) {
    return std::make_unique<TerminalBackend>(std::move(script));
}

}  // namespace forms
