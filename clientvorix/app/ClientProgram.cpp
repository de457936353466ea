#include "ClientProgram.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "ClientIni.h"
#include "CommandLine.h"
#include "DefaultScenario.h"
#include "OperationOutcome.h"
#include "PackageLoader.h"
#include "PackageScreens.h"
#include "forms/Application.h"
#include "forms/backends/HeadlessBackend.h"
#include "port/Os.h"
#include "cp1252/Cp1252.h"
#include "sim/JournalFormObserver.h"
#include "sim/Scenario.h"
#include "sim/State.h"

namespace clientvorix {
namespace {

// What one run ends with; printed only once the terminal is ours again.
struct Outcome {
    int status = kExitDone;
    std::string message;
    int lastModalResult = 0;  // of the outermost screen
};

void PackageLine(const std::string& fn, nlohmann::json extra = nullptr) {
    nlohmann::json line = {{"t", "package"}, {"fn", fn}};
    if (extra.is_object()) line.update(extra);
    sim::State::Instance().GetJournal().Add(std::move(line));
}

void JournalVersion(const Package& package) {
    char first[64] = {};
    char module[64] = {};
    package.ObtemVersao()(first, sizeof first, module, sizeof module);
    PackageLine("ObtemVersao", {{"result", {cp1252::Cp1252ToUtf8(first), cp1252::Cp1252ToUtf8(module)}}});
}

void JournalClientVersion(const Package& package) {
    if (!package.ObtemVersaoModuloPrincipalIni()) return;
    char version[256] = {};
    package.ObtemVersaoModuloPrincipalIni()(version, sizeof version);
    PackageLine("ObtemVersaoModuloPrincipalIni", {{"result", cp1252::Cp1252ToUtf8(version)}});
}

// What the benchmark reads: where the time of one run goes.
class RunClock : public forms::FormObserver {
public:
    using Clock = std::chrono::steady_clock;
    void Mark(Clock::time_point& at) { at = Clock::now(); }
    void FormShown(forms::Form&) override {
        if (firstShown == Clock::time_point{}) firstShown = Clock::now();
    }
    static long long Micros(Clock::time_point from, Clock::time_point to) {
        if (from == Clock::time_point{} || to == Clock::time_point{}) return -1;
        return std::chrono::duration_cast<std::chrono::microseconds>(to - from).count();
    }
    void Print() const {
        std::cerr << "{\"load_initialize_us\":" << Micros(start, initialized)
                  << ",\"entry_to_first_screen_us\":" << Micros(entryCalled, firstShown)
                  << ",\"entry_call_us\":" << Micros(entryCalled, entryReturned)
                  << ",\"peak_rss_kb\":" << port::PeakMemoryKb() << "}\n";
    }
    Clock::time_point start, initialized, entryCalled, firstShown, entryReturned;
};

// Loads the package, calls Initialize, the scenario's entry point and
// Finalize with the given screens.
Outcome Operate(const Options& o, const sim::Scenario& scenario, PackageScreens& screens) {
    std::optional<Package> package;
    RunClock clock;
    clock.Mark(clock.start);
    try {
        package.emplace(o.package ? *o.package : DefaultPackagePath());
    } catch (const PackageError& e) {
        return {kExitNoPackage, e.what()};
    }
    sim::JournalFormObserver observer;
    ScreenEnding ending;
    screens.AddObserver(observer);
    screens.AddObserver(clock);
    screens.AddObserver(ending);

    Outcome out;
    try {
        package->Initialize();
        clock.Mark(clock.initialized);
        PackageLine("Initialize");
        JournalVersion(*package);
        JournalClientVersion(*package);
        PackageLine(scenario.entry, {{"args", {kHostWindow, scenario.function}}});
        clock.Mark(clock.entryCalled);
        package->EntryPoint(scenario.entry)(kHostWindow, scenario.function);
        clock.Mark(clock.entryReturned);
        JournalVersion(*package);
        package->Finalize();
        PackageLine("Finalize");
    } catch (const forms::OperatorAbort&) {
        // The backend keeps the abort; read below.
    } catch (const std::exception& e) {
        out = {kExitEscaped, std::string("the package let an error escape: ") + e.what()};
    }
    // The package swallows what escapes its entry points; the backend still knows.
    if (screens.Aborted()) out = {screens.AbortCode(), screens.AbortMessage()};
    if (out.status == kExitNoOperator) out.message += " (run it in a terminal, or give an operator script with --script)";
    if (out.status == kExitDone && !screens.SnapshotFailure().empty()) out = {kExitBadInput, screens.SnapshotFailure()};
    // A line never used is a check that never ran: the run proves nothing.
    if (out.status == kExitDone && o.script && screens.UnusedScriptLine() != 0)
        out = {kExitScriptLeft, *o.script + ": line " + std::to_string(screens.UnusedScriptLine()) +
                                    ": the call ended before this line was used"};
    if (out.status == kExitExpectFailed && o.script) out.message = *o.script + ": " + out.message;
    out.lastModalResult = ending.LastModalResult();
    if (o.timings) clock.Print();
    return out;
}

// The screens close as soon as the answer is applied, so an operator at the
// terminal reads how the operation ended here, once the screen is restored:
// one line that names the outcome, then what the client holds.
void PrintOutcome(const sim::Scenario& scenario, const Options& o, int lastModalResult) {
    const sim::State& state = sim::State::Instance();
    std::cout << "clientvorix: " << scenario.entry << ": " << OutcomeLine(state, lastModalResult) << "\n";
    for (const sim::ErrorReport& e : state.ErrorReports())
        std::cout << "  reported to the client (" << e.code << "): " << cp1252::Cp1252ToUtf8(e.text) << "\n";
    if (state.HasField(1009)) std::cout << "  answer code (1009): " << cp1252::Cp1252ToUtf8(state.Field(1009)) << "\n";
    if (state.HasField(1027)) std::cout << "  answer text (1027): " << cp1252::Cp1252ToUtf8(state.Field(1027)) << "\n";
    std::cout << "  result file written " << state.ResultFileWrites() << " time(s)";
    if (o.journal && state.ResultFileWrites() > 0) std::cout << ": " << state.ResultFilePath();
    std::cout << "\n";
    if (o.journal) std::cout << "  journal: " << *o.journal << "\n";
}

}  // namespace

int Run(const std::vector<std::string>& args) {
    Options o;
    sim::Scenario scenario;
    std::vector<forms::ScriptAction> script;
    try {
        o = ParseCommandLine(args);
        if (o.help) {
            std::cout << Usage();
            return kExitDone;
        }
        scenario = o.scenario ? sim::LoadScenarioFile(*o.scenario)
                              : sim::ParseScenario(kDefaultScenario, "default.toml");
        if (o.script) script = forms::LoadOperatorScript(*o.script);
    } catch (const UsageError& e) {
        std::cerr << "clientvorix: " << e.what() << "\n" << Usage();
        return kExitBadInput;
    } catch (const sim::ScenarioError& e) {
        std::cerr << "clientvorix: " << e.what() << "\n";
        return kExitBadInput;
    } catch (const forms::ScriptError& e) {
        std::cerr << "clientvorix: " << e.what() << "\n";
        return kExitBadInput;
    }

    sim::State& state = sim::State::Instance();
    std::error_code ignored;
    state.Reset();
    if (o.journal && !state.JournalTo(*o.journal)) {
        std::cerr << "clientvorix: cannot write the journal " << *o.journal << "\n";
        return kExitBadInput;
    }
    if (o.journal) state.SetResultFilePath(*o.journal + ".result");
    state.Apply(scenario);

    Outcome out;
    try {
        std::optional<ClientIni> ini;
        if (scenario.host.versaoCliente) ini.emplace(ProgramFolder(), *scenario.host.versaoCliente);
        PackageScreens screens(o, std::move(script));
        out = Operate(o, scenario, screens);
    } catch (const std::exception& e) {
        out = {kExitBadInput, e.what()};
    }
    state.WriteFieldsLine();
    state.JournalTo("");
    // Only a result file beside a named journal is kept: the temporary one
    // would pile up run after run.
    if (!o.journal) std::filesystem::remove(state.ResultFilePath(), ignored);
    if (out.status == kExitDone) PrintOutcome(scenario, o, out.lastModalResult);
    if (!out.message.empty()) std::cerr << "clientvorix: " << out.message << "\n";
    return out.status;
}

}  // namespace clientvorix
