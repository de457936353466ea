#pragma once
// The stand-in client's one run: read the scenario and the script, fill the
// shared state, load the package, call one entry point, journal it all.
#include <string>
#include <vector>

namespace clientvorix {

// Exit statuses.
constexpr int kExitDone = 0;
constexpr int kExitEscaped = 1;      // the package let an error escape an entry point
constexpr int kExitBadInput = 2;     // command line, scenario, script or journal path
constexpr int kExitScriptOut = 3;
constexpr int kExitExpectFailed = 4;
constexpr int kExitNoPackage = 5;
constexpr int kExitNoOperator = 6;  // a screen waited, with no terminal and no script to answer it
constexpr int kExitScriptLeft = 7;  // the call ended before every line of the script was used

// The host window handle the package receives.
constexpr unsigned kHostWindow = 0x1000;

int Run(const std::vector<std::string>& args);

}  // namespace clientvorix
