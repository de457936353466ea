#pragma once
namespace clientvorix {
// clientvorix/scenarios/default.toml, built into the program.
extern const char* const kDefaultScenario;
}  // namespace clientvorix
