#include "forms/backends/ScreenBackend.h"
#include "forms/backends/Win32Backend.h"

namespace forms {

std::unique_ptr<Backend> MakeScreenBackend() { return std::make_unique<Win32Backend>(); }

std::unique_ptr<Backend> MakeScreenBackend(std::vector<ScriptAction> script) {
    return std::make_unique<Win32Backend>(std::move(script));
}

}  // namespace forms
