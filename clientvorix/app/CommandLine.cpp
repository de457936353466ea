#include "CommandLine.h"

namespace clientvorix {

const char* Usage() {
    return "usage: clientvorix [SCENARIO.toml] [--script OPERATOR.txt] [--ui terminal|headless|windows]\n"
           "                   [--journal OUT.jsonl] [--package PATH] [--timings] [--snapshot DIR]\n"
           "  SCENARIO.toml    what the client holds and how its libraries answer (none: the default sale)\n"
           "  --script FILE    the operator's actions; the run is headless unless --ui terminal is given\n"
           "  --ui KIND        terminal, headless, or windows (the Windows build)\n"
           "  --journal FILE   every call, screen and box of the run, one JSON line each\n"
           "  --package PATH   the package to load (default: Zentravela.so beside the program)\n"
           "  --timings        the run's timings and peak memory on standard error\n"
           "  --snapshot DIR   an SVG picture of every screen and message box as it is shown\n"
           "exit status:\n"
           "  0  the call ran to its end\n"
           "  1  the package let an error escape an entry point\n"
           "  2  a bad command line, scenario or script, or a journal or snapshot that cannot be written\n"
           "  3  the script ran out while a screen or a message box waited\n"
           "  4  an expect line of the script failed\n"
           "  5  the package cannot be loaded\n"
           "  6  a screen waited for an operator, but there is no terminal and no script\n"
           "  7  the call ended before every line of the script was used (the first is named)\n";
}

Options ParseCommandLine(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* name) -> std::string {
            if (i + 1 >= args.size()) throw UsageError(std::string(name) + " needs a value");
            return args[++i];
        };
        if (a == "--script") {
            o.script = value("--script");
        } else if (a == "--journal") {
            o.journal = value("--journal");
        } else if (a == "--package") {
            o.package = value("--package");
        } else if (a == "--ui") {
            const std::string ui = value("--ui");
            if (ui == "terminal") o.ui = Ui::Terminal;
            else if (ui == "headless") o.ui = Ui::Headless;
            else if (ui == "windows") o.ui = Ui::Windows;
            else throw UsageError("--ui takes terminal, headless or windows, not '" + ui + "'");
        } else if (a == "--snapshot") {
            o.snapshot = value("--snapshot");
        } else if (a == "--timings") {
            o.timings = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (!a.empty() && a[0] == '-') {
            throw UsageError("unknown option '" + a + "'");
        } else if (o.scenario) {
            throw UsageError("only one scenario may be given ('" + *o.scenario + "' and '" + a + "')");
        } else {
            o.scenario = a;
        }
    }
    return o;
}

bool RunsHeadless(const Options& o) {
    if (o.ui == Ui::Headless) return true;
    if (o.ui == Ui::Terminal || o.ui == Ui::Windows) return false;
    return o.script.has_value();
}

}  // namespace clientvorix
