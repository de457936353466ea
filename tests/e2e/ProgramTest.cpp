// The program's own contract: exit statuses, messages and the journal's frame.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "ClientRun.h"

namespace e2e {
namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Program, BrokenScenarioOrScriptNamesFileLineAndProblem) {
    const auto scenario = ClientRun::Execute("entry = \"ExecutaVenda\"\n[fields]\n\"99x\" = \"1\"\n", "");
    EXPECT_EQ(scenario.ExitStatus(), 2);
    EXPECT_TRUE(Contains(scenario.Stderr(), "scenario.toml:3: bad field number '99x'")) << scenario.Stderr();

    const auto script = ClientRun::Execute("entry = \"ExecutaVenda\"\n", "type 12\n\nleap 3\n");
    EXPECT_EQ(script.ExitStatus(), 2);
    EXPECT_TRUE(Contains(script.Stderr(), "operator.txt:3:")) << script.Stderr();
    EXPECT_TRUE(Contains(script.Stderr(), "leap")) << script.Stderr();

    const auto usage = ClientRun::WithArgs({"--ui", "window"});
    EXPECT_EQ(usage.ExitStatus(), 2);
    EXPECT_TRUE(Contains(usage.Stderr(), "--ui takes terminal, headless or windows")) << usage.Stderr();

    // A file that cannot be read is named with the system's reason; a folder is no scenario.
    for (const std::string& path : {std::string("/nowhere/scenario.toml"), scenario.Folder()}) {
        const auto unread = ClientRun::WithArgs({path});
        EXPECT_EQ(unread.ExitStatus(), 2);
        EXPECT_TRUE(Contains(unread.Stderr(), path + ": cannot read the scenario file: ")) << unread.Stderr();
        EXPECT_FALSE(Contains(unread.Stderr(), "missing key")) << unread.Stderr();
    }

    const auto lastOption = ClientRun::WithArgs({"--script"});
    EXPECT_EQ(lastOption.ExitStatus(), 2);
    EXPECT_TRUE(Contains(lastOption.Stderr(), "--script needs a value")) << lastOption.Stderr();
}

TEST(Program, HelpNamesEveryExitStatus) {
    const auto help = ClientRun::WithArgs({"--help"});
    EXPECT_EQ(help.ExitStatus(), 0);
    const std::string usage = ReadText(help.Folder() + "/stdout");
    for (const char* status : {"  0  ", "  1  ", "  2  ", "  3  ", "  4  ", "  5  ", "  6  ", "  7  "})
        EXPECT_TRUE(Contains(usage, status)) << status << " in\n" << usage;
}

TEST(Program, ScriptThatRunsOutNamesTheWaitingScreenAndStillEndsWithTheFields) {
    const auto run = ClientRun::Execute("entry = \"ExecutaVenda\"\n[fields]\n\"10107\" = \"0\"\n\"1017\" = \"1\"\n", "");
    EXPECT_EQ(run.ExitStatus(), 3);
    EXPECT_TRUE(Contains(run.Stderr(), "FrmVis_Crd")) << run.Stderr();
    EXPECT_EQ(run.FinalFields()["10107"], "0");
}

TEST(Program, FailedExpectationStopsWithStatus4) {
    const auto run = ClientRun::Execute("entry = \"ExecutaVenda\"\n[fields]\n\"10107\" = \"0\"\n\"1017\" = \"1\"\n",
                                        "expect screen FrmCred_Mnu\n");
    EXPECT_EQ(run.ExitStatus(), 4);
    EXPECT_TRUE(Contains(run.Stderr(), "operator.txt: line 1: ")) << run.Stderr();
    EXPECT_TRUE(Contains(run.Stderr(), "FrmCred_Mnu")) << run.Stderr();
}

TEST(Program, ScriptLinesTheRunNeverUsedFailNamingTheFirst) {
    const auto run = ClientRun::Execute("entry = \"ExecutaVenda\"\n[fields]\n\"10107\" = \"0\"\n\"1017\" = \"1\"\n",
                                        "type 1500,00\nclick btConfirma\nexpect screen TelaQueNaoExiste\nclick btNada\n");
    EXPECT_EQ(run.ExitStatus(), 7);
    EXPECT_TRUE(Contains(run.Stderr(), "operator.txt: line 3: ")) << run.Stderr();
}

// The first line the program prints names how the operation ended.
TEST(Program, FirstLineNamesTheOutcome) {
    const std::string aVista = "entry = \"ExecutaVenda\"\n[fields]\n\"10107\" = \"0\"\n\"1017\" = \"1\"\n";
    const std::string recusa =
        "[[authorizations]]\nresult = false\nfields = { \"1009\" = \"51\", \"1027\" = \"SALDO INSUFICIENTE\" }\n";
    const struct {
        std::string scenario, script, line;
    } casos[] = {
        {aVista, "type 1500,00\nclick btConfirma\n", "clientvorix: ExecutaVenda: approved: TRANSACAO APROVADA"},
        {aVista + recusa, "type 1500,00\nclick btConfirma\n",
         "clientvorix: ExecutaVenda: declined (code 51): SALDO INSUFICIENTE"},
        {aVista, "click btRetorna\n", "clientvorix: ExecutaVenda: cancelled by the operator"},
        {"entry = \"ExecutaVenda\"\n[fields]\n\"10107\" = \"1\"\n", "",
         "clientvorix: ExecutaVenda: error reported to the client (code 255): " + Message(327)},
    };
    for (const auto& c : casos) {
        const auto run = ClientRun::Execute(c.scenario, c.script);
        ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
        EXPECT_EQ(run.Stdout().substr(0, run.Stdout().find('\n')), c.line);
    }
}

TEST(Program, MissingPackageIsSaidPlainly) {
    const auto run = ClientRun::Execute("entry = \"ExecutaVenda\"\n", "", {"--package", "/nowhere/Zentravela.so"});
    EXPECT_EQ(run.ExitStatus(), 5);
    EXPECT_TRUE(Contains(run.Stderr(), "/nowhere/Zentravela.so")) << run.Stderr();
}

TEST(Program, JournalTellsTheWholeRunInOrder) {
    const auto run = ClientRun::Execute("entry = \"ExecutaVenda\"\n[fields]\n\"10107\" = \"0\"\n\"1017\" = \"1\"\n",
                                        "click btRetorna\n");
    ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
    std::vector<std::string> order;
    for (const auto& l : run.Lines()) {
        const std::string t = l["t"];
        if (t == "form") order.push_back(l["event"].get<std::string>() + " " + l["name"].get<std::string>());
        if (t == "audit") order.push_back("audit " + l["text"].get<std::string>());
    }
    const std::vector<std::string> expected = {"audit Criou: FrmVis_Crd", "create FrmVis_Crd", "show FrmVis_Crd",
                                               "close FrmVis_Crd", "audit Destruiu: FrmVis_Crd", "destroy FrmVis_Crd"};
    EXPECT_EQ(order, expected);
    for (const auto& l : run.Lines()) {
        if (l["t"] == "form" && l["event"] == "close") {
            EXPECT_EQ(l["modal_result"], 2);
        }
    }
    EXPECT_EQ(run.Lines().back()["t"], "fields");
    // The result file holds the store as it was when the screen was cancelled.
    std::ifstream result(run.Folder() + "/journal.jsonl.result");
    std::vector<std::string> lines;
    for (std::string l; std::getline(result, l);) lines.push_back(l);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "01017-000 = 1"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "10107-000 = 0"), lines.end());
}

}  // namespace
}  // namespace e2e

#include <filesystem>
#include <set>

namespace e2e {
namespace {

std::string ReadText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every shipped scenario runs: to its end with its script, or until the first
// screen waits when it has none; together they call every entry point.
TEST(Program, ShippedScenariosRunAndCoverEveryEntryPoint) {
    std::set<std::string> entries;
    int count = 0;
    for (const auto& f : std::filesystem::directory_iterator(ZV_SCENARIOS_DIR)) {
        if (f.path().extension() != ".toml") continue;
        ++count;
        auto script = f.path();
        script.replace_extension(".txt");
        const bool scripted = std::filesystem::exists(script);
        const auto run = ClientRun::Execute(ReadText(f.path()), scripted ? ReadText(script) : "");
        if (scripted) EXPECT_EQ(run.ExitStatus(), 0) << f.path() << run.Stderr();
        else EXPECT_TRUE(run.ExitStatus() == 0 || run.ExitStatus() == 3) << f.path() << run.Stderr();
        for (const auto& l : run.Lines()) {
            if (l["t"] == "package" && l.contains("args")) entries.insert(l["fn"].get<std::string>());
        }
    }
    EXPECT_GE(count, 5);
    EXPECT_EQ(entries, (std::set<std::string>{"ExecutaVenda", "ExecutaFuncaoADM", "ExecutaGenerico",
                                              "ExecutaConsultaCheque", "ExecutaPreAutorizacao"}));
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// The only test that writes Cliente.ini beside the program; it must put back
// what was there.
TEST(Program, ClientVersionIsWrittenForTheRunAndTheOldFileRestored) {
    const std::string ini = std::filesystem::path(ClientFolder()) / "Cliente.ini";
    const std::string before = "[OUTRA]\r\nX=1\r\n";
    {
        std::ofstream out(ini, std::ios::binary);
        out << before;
    }
    const auto run = ClientRun::Execute("entry = \"ExecutaConsultaCheque\"\n[host]\nversao_cliente = \"3.1.4\"\n", "");
    EXPECT_EQ(run.ExitStatus(), 0) << run.Stderr();
    bool seen = false;
    for (const auto& l : run.Lines()) {
        if (l["t"] == "package" && l["fn"] == "ObtemVersaoModuloPrincipalIni") {
            EXPECT_EQ(l["result"], "3.1.4");
            seen = true;
        }
    }
    EXPECT_TRUE(seen);
    EXPECT_EQ(ReadText(ini), before);
    std::filesystem::remove(ini);
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// Without a terminal and a script nobody can work a screen: the run says so
// at once, with its own status, and writes no terminal codes into the pipe.
// A scenario that shows no screen still runs.
TEST(Program, WithoutTerminalOrScriptItEndsAtOnceAndSaysWhy) {
    if (std::getenv("ZV_E2E_RUNNER")) GTEST_SKIP() << "the Windows build draws real windows";
    const auto waits = ClientRun::WithArgs({});
    EXPECT_EQ(waits.ExitStatus(), 6);
    EXPECT_EQ(std::count(waits.Stderr().begin(), waits.Stderr().end(), '\n'), 1) << waits.Stderr();
    EXPECT_TRUE(Contains(waits.Stderr(), "FrmCred_Mnu") && Contains(waits.Stderr(), "--script")) << waits.Stderr();
    EXPECT_EQ(waits.Stdout(), "");
    const auto noScreen = ClientRun::WithArgs({std::string(ZV_SCENARIOS_DIR) + "/consulta-cheque.toml"});
    EXPECT_EQ(noScreen.ExitStatus(), 0) << noScreen.Stderr();
    EXPECT_TRUE(Contains(noScreen.Stdout(), "error reported to the client")) << noScreen.Stdout();
    EXPECT_EQ(noScreen.Stdout().find('\x1b'), std::string::npos) << noScreen.Stdout();
}

// A result file nobody named is the run's own: it is gone when the run ends,
// however it ended; one beside a named journal is kept and said where.
TEST(Program, ResultFileIsKeptOnlyBesideANamedJournal) {
    if (std::getenv("ZV_E2E_RUNNER")) GTEST_SKIP() << "Wine keeps its own temporary folder";
    const std::string tmp = ::testing::TempDir() + "zv-result-" + std::to_string(::getpid());
    std::filesystem::create_directories(tmp);
    ::setenv("TMPDIR", tmp.c_str(), 1);
    const std::string scenarios = ZV_SCENARIOS_DIR;
    const std::vector<std::vector<std::string>> runs = {
        {scenarios + "/venda-a-vista.toml", "--script", scenarios + "/venda-a-vista.txt"},  // writes it
        {scenarios + "/venda-a-vista.toml", "--script", "/dev/null"},                        // script runs out
        {scenarios + "/consulta-saldo.toml"},                                                 // no terminal
    };
    for (const auto& args : runs) {
        const auto run = ClientRun::WithArgs(args);
        EXPECT_NE(run.ExitStatus(), 1) << run.Stderr();
    }
    for (const auto& f : std::filesystem::directory_iterator(tmp))
        EXPECT_NE(f.path().extension(), ".result") << f.path() << " was left behind";
    const auto kept = ClientRun::Execute(ReadText(scenarios + "/venda-a-vista.toml"), ReadText(scenarios + "/venda-a-vista.txt"));
    EXPECT_TRUE(Contains(kept.Stdout(), "result file written 1 time(s): " + kept.Folder() + "/journal.jsonl.result"))
        << kept.Stdout();
    ::unsetenv("TMPDIR");
    std::filesystem::remove_all(tmp);
}

}  // namespace
}  // namespace e2e
