#pragma once
#include <memory>
#include <vector>

#include "forms/Backend.h"
#include "forms/backends/HeadlessBackend.h"

namespace forms {

// The backend that shows the forms to an operator on this platform: the
// terminal, or real windows in the Windows build. Throws std::runtime_error
// when there is nothing to show them on.
std::unique_ptr<Backend> MakeScreenBackend();
// The same, playing an operator script visibly.
std::unique_ptr<Backend> MakeScreenBackend(std::vector<ScriptAction> script);

}  // namespace forms
