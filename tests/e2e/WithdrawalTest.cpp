// Withdrawals through the clientvorix program, from the administrative credit
// menu (function 0): the shipped scenarios and the ones under withdrawal/.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "../package/DatasTeste.h"
#include "ClientRun.h"

namespace e2e {
namespace {

const std::filesystem::path kAqui = std::filesystem::path(ZV_E2E_DIR);
const std::filesystem::path kCenarios = kAqui.parent_path().parent_path() / "clientvorix" / "scenarios";

// A shipped scenario with its script, or one of withdrawal/.
ClientRun RunScenario(const std::filesystem::path& pasta, const std::string& nome, const std::string& roteiro = "") {
    ClientRun run = ClientRun::Execute(ReadText(pasta / (nome + ".toml")),
                                       roteiro.empty() ? ReadText(pasta / (nome + ".txt")) : roteiro);
    EXPECT_EQ(run.ExitStatus(), 0) << nome << ": " << run.Stderr();
    return run;
}

int LeiturasDoCampo(const ClientRun& run, int campo) {
    int n = 0;
    for (const auto& c : run.Calls("FosdalLeCampo")) n += c["args"][0] == campo;
    return n;
}

TEST(Withdrawal, RevolvingWithdrawalIsOneInstalmentWithoutPin) {
    const auto run = RunScenario(kCenarios, "saque-rotativo");
    EXPECT_EQ(run.Forms("create"),
              (std::vector<std::string>{"FrmCredAdm_Mnu", "FrmSaqueCredito_Mnu", "FrmRot_Saq"}));
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["record"]["code"], 73);
    EXPECT_EQ(run.Field("1017"), "1");
    EXPECT_EQ(run.Field("1003"), "50000");
    EXPECT_TRUE(run.Calls("LerSenha").empty());
    EXPECT_EQ(LeiturasDoCampo(run, 10148), 0);
    EXPECT_EQ(run.ModalResult("FrmCredAdm_Mnu"), 1);
}

TEST(Withdrawal, InstalmentWithdrawalKeepsToTheLimitsAndCapturesThePin) {
    const auto run = RunScenario(kCenarios, "saque-parcelado");
    std::string minimo = Message(319);
    for (const char* limite : {"3", "12"}) minimo.replace(minimo.find("%s"), 2, limite);
    EXPECT_EQ(run.BoxTexts(), (std::vector<std::string>{minimo, Message(320)}));
    ASSERT_EQ(run.Boxes().size(), 2u);
    EXPECT_EQ(run.Boxes()[0]["flags"], 0x40000);  // below the minimum: no icon
    EXPECT_EQ(run.Boxes()[1]["flags"], 0x40030);    EXPECT_EQ(run.Field("1017"), "5");
    EXPECT_EQ(run.Field("10148"), "1000");
    EXPECT_EQ(run.Calls("LerSenha").size(), 1u);
    ASSERT_EQ(run.Calls("AutorizaTransacao").size(), 1u);
    EXPECT_EQ(run.Calls("AutorizaTransacao")[0]["record"]["code"], 73);
}

TEST(Withdrawal, InstalmentsAskedByTheClientOfferOnlyTheInstalmentWithdrawalLocked) {
    const auto run = RunScenario(kAqui / "withdrawal", "parcelas_do_host");
    EXPECT_EQ(run.Field("1017"), "3");
    EXPECT_EQ(run.Calls("AutorizaTransacao").size(), 1u);
}

TEST(Withdrawal, IssueDateOfNextMonthIsRefusedThisMonthAccepted) {
    const std::string atual = zvtest::MesAno(0);
    const auto run = RunScenario(kAqui / "withdrawal", "data_emissao",
                          "expect screen FrmRot_Saq\ntype 15000\nkey Enter\nexpect focus edDtemCart\ntype " +
                              zvtest::MesAno(1) + "\nclick btConfirma\nanswer ok\nexpect focus edDtemCart\ntype " +
                              atual + "\nclick btConfirma\n");
    EXPECT_EQ(run.BoxTexts(), std::vector<std::string>{Message(787)});
    EXPECT_EQ(run.Field("1208"), atual);
    ASSERT_EQ(run.Calls("AutorizaTransacao").size(), 1u);
}

struct CasoReabre {
    const char* cenario;
    const char* f1003;  // at the end
    size_t autorizacoes;
    long saques;  // revolving withdrawal screens opened
};

class ReopenedWithdrawal : public ::testing::TestWithParam<CasoReabre> {};

// The scripts check the amount box of the withdrawal opened again.
TEST_P(ReopenedWithdrawal, OffersWhatTheOperatorTypedAgainAndKeepsTheClientsLocked) {
    const auto run = RunScenario(kAqui / "withdrawal", GetParam().cenario);
    const auto criadas = run.Forms("create");
    EXPECT_EQ(std::count(criadas.begin(), criadas.end(), "FrmRot_Saq"), GetParam().saques);
    EXPECT_EQ(run.Field("1003"), GetParam().f1003);
    EXPECT_EQ(run.Calls("AutorizaTransacao").size(), GetParam().autorizacoes);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ReopenedWithdrawal,
                         ::testing::Values(CasoReabre{"reabre_apos_consulta", "20000", 2, 1},
                                           CasoReabre{"reabre_apos_recusa", "(absent)", 0, 2},
                                           CasoReabre{"valor_do_host_apos_recusa", "30000", 0, 2}));

}  // namespace
}  // namespace e2e
