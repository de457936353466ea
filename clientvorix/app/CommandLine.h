#pragma once
// clientvorix [SCENARIO.toml] [--script OPERATOR.txt] [--ui terminal|headless|windows]
//             [--journal OUT.jsonl] [--package PATH] [--timings] [--snapshot DIR]
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace clientvorix {

enum class Ui { Default, Terminal, Headless, Windows };

struct Options {
    std::optional<std::string> scenario;  // none = the built-in default scenario
    std::optional<std::string> script;
    Ui ui = Ui::Default;
    std::optional<std::string> journal;
    std::optional<std::string> package;   // none = Zentravela.so beside the program
    std::optional<std::string> snapshot;  // folder for a picture of every screen and box shown
    bool timings = false;  // print the run's timings and peak memory on standard error
    bool help = false;
};

// A command line we cannot follow (exit status 2).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Options ParseCommandLine(const std::vector<std::string>& args);
const char* Usage();

// With a script and no --ui the run is headless; without a script, the
// terminal (real windows in the Windows build).
bool RunsHeadless(const Options& o);

}  // namespace clientvorix
