// Scenario files: values land where they belong, mistakes name file and line.
#include <gtest/gtest.h>

#include <string>

#include "sim/Scenario.h"
#include "sim/State.h"

namespace {

std::string ErrorOf(const std::string& toml) {
    try {
        sim::ParseScenario(toml, "caso.toml");
    } catch (const sim::ScenarioError& e) {
        return e.what();
    }
    return "no error";
}

TEST(Scenario, FullScenarioFillsTheState) {
    const std::string toml = R"(
entry = "ExecutaFuncaoADM"
function = 1
[fields]
"10107" = "0"
"1027" = "Não"
[occurrences]
"20005" = ["PERG:01", "PERG:02"]
[service]
tags = { "CPRE:" = "1" }
codes = ["14", "15"]
q = { "010" = "000000150000" }
[enabled]
terminal = [1, 2]
[host]
chip_contato = true
versao_cliente = "3.1"
refused_writes = [1096, 10278]
[card]
read = [1, 0]
advice = true
verdict = 3
[[authorizations]]
result = false
fields = { "1009" = "05" }
[[authorizations]]
service = { tags = { "DPCHIP:" = "1" } }
)";
    sim::State& s = sim::State::Instance();
    s.Reset();
    s.LoadScenario(toml, "caso.toml");
    EXPECT_EQ(s.Current().entry, "ExecutaFuncaoADM");
    EXPECT_EQ(s.Current().function, 1u);
    EXPECT_EQ(s.Field(10107), "0");
    EXPECT_EQ(s.Field(1027), "N\xE3o");  // CP1252 in the store
    EXPECT_EQ(s.Field(20005, 1), "PERG:02");
    EXPECT_EQ(s.Field(20026), "Q010000000150000;");
    EXPECT_EQ(s.Service().tags.at("CPRE:"), "1");
    EXPECT_TRUE(s.TerminalEnabled(2));
    EXPECT_FALSE(s.TerminalEnabled(3));
    EXPECT_TRUE(s.IntposEnabled(99));  // absent list: all enabled
    EXPECT_TRUE(s.Host().chipContato);
    EXPECT_EQ(s.Host().versaoCliente.value_or(""), "3.1");
    EXPECT_TRUE(s.WriteRefused(10278));
    EXPECT_FALSE(s.WriteRefused(1003));
    EXPECT_EQ(s.NextRead(), 1);
    EXPECT_EQ(s.NextVerdict(), 3);
    ASSERT_EQ(s.Authorizations().size(), 2u);
    EXPECT_FALSE(s.Authorizations()[0].result);
    EXPECT_TRUE(s.Authorizations()[1].result);
}

TEST(Scenario, DefaultsLetAPlainSaleThrough) {
    const auto sc = sim::ParseScenario("entry = \"ExecutaVenda\"\n", "x.toml");
    EXPECT_EQ(sc.function, 0u);
    EXPECT_TRUE(sc.host.permiteAlterarDados);
    EXPECT_FALSE(sc.host.versaoCliente.has_value());
    EXPECT_EQ(sc.host.buildInfo, "1.0.0.1");
    EXPECT_FALSE(sc.enabled.terminal.has_value());
    EXPECT_TRUE(sc.authorizations.empty());
}

TEST(Scenario, MistakesNameFileLineAndProblem) {
    EXPECT_EQ(ErrorOf("function = 1\n"), "caso.toml:1: missing key 'entry' (the entry point to call)");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\nfuncao = 1\n"), "caso.toml:2: unknown key 'funcao'");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n\n[card]\nread = [0]\npinn = [1]\n"),
              "caso.toml:5: unknown key 'pinn' in [card]");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n[fields]\n\"10a7\" = \"0\"\n"),
              "caso.toml:3: bad field number '10a7' (1 to 65534)");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n[fields]\n\"0\" = \"0\"\n"),
              "caso.toml:3: bad field number '0' (1 to 65534)");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n[fields]\n\"10107\" = 0\n"),
              "caso.toml:3: 'fields.10107' must be a text in quotes");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n[host]\nchip_contato = \"sim\"\n"),
              "caso.toml:3: 'chip_contato' must be true or false");
    EXPECT_EQ(ErrorOf("entry = \"Executa\"\n"), "caso.toml:1: unknown entry point 'Executa'");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n[service]\ntags = { \"CPRE\" = \"1\" }\n"),
              "caso.toml:3: service tag 'CPRE' must end with ':'");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n[service]\nq = { \"0;1\" = \"x\" }\n"),
              "caso.toml:3: service Q sub-code '0;1' must have three characters other than ';'");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n[enabled]\nterminal = [1, \"2\"]\n"),
              "caso.toml:3: 'enabled.terminal' must be an integer");
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n[[authorizations]]\nresult = true\nfield = {}\n"),
              "caso.toml:4: unknown key 'field' in [authorizations]");
    // A syntax error keeps toml's own wording behind our prefix.
    EXPECT_EQ(ErrorOf("entry = \"ExecutaVenda\"\n[fields\n").rfind("caso.toml:2: ", 0), 0u);
}

TEST(Scenario, AFailedLoadLeavesTheStateAsItWas) {
    sim::State& s = sim::State::Instance();
    s.Reset();
    s.SetField(1003, "100");
    EXPECT_THROW(s.LoadScenario("entry = 5\n", "m.toml"), sim::ScenarioError);
    EXPECT_EQ(s.Field(1003), "100");
}

}  // namespace
