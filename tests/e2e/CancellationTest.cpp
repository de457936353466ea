// Cancellations through the clientvorix program, from the cancellation menu
// (function 1): the shipped scenarios and the ones under cancel/.
#include <gtest/gtest.h>

#include <filesystem>

#include "../package/DatasTeste.h"
#include "ClientRun.h"

namespace e2e {
namespace {

const std::filesystem::path kAqui = std::filesystem::path(ZV_E2E_DIR);
const std::filesystem::path kCenarios = kAqui.parent_path().parent_path() / "clientvorix" / "scenarios";

ClientRun RunScenario(const std::filesystem::path& cenario, const std::string& roteiro) {
    ClientRun run = ClientRun::Execute(ReadText(cenario), roteiro);
    EXPECT_EQ(run.ExitStatus(), 0) << cenario << ": " << run.Stderr();
    return run;
}

int CodigoAutorizado(const ClientRun& run) {
    const auto autoriza = run.Calls("AutorizaTransacao");
    return autoriza.size() == 1 ? autoriza[0]["record"]["code"].get<int>() : -static_cast<int>(autoriza.size());
}

struct CasoCredito {
    const char* cenario;
    int codigo;
};

class CreditCancellation : public ::testing::TestWithParam<CasoCredito> {};

TEST_P(CreditCancellation, LockedDateAndDocumentGoWithTheRecordOfTheEntryMode) {
    const auto run = RunScenario(kCenarios / GetParam().cenario, ReadText(kCenarios / "cancelamento-credito.txt"));
    EXPECT_EQ(CodigoAutorizado(run), GetParam().codigo);
    EXPECT_EQ(run.Field("1020"), "05032024");
    EXPECT_EQ(run.Field("1013"), "123456");
    EXPECT_EQ(run.ModalResult("FrmCnc_Mnu"), 1);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, CreditCancellation,
                         ::testing::Values(CasoCredito{"cancelamento-credito.toml", 55},
                                           CasoCredito{"cancelamento-credito-tarja.toml", 54}));

TEST(Cancellation, FutureDateAndZeroDocumentAreRefused) {
    const auto run = RunScenario(kCenarios / "cancelamento-recusas.toml", ReadText(kCenarios / "cancelamento-recusas.txt"));
    EXPECT_EQ(run.BoxTexts(), (std::vector<std::string>{Message(787), Message(846)}));
    EXPECT_EQ(CodigoAutorizado(run), 54);
    EXPECT_EQ(run.Field("1013"), "123456");
}

TEST(Cancellation, TomorrowIsRefusedTodayAccepted) {
    const std::string hoje = zvtest::DiaMesAno(0);
    const auto run = RunScenario(kCenarios / "cancelamento-recusas.toml",
                          "type 10000\nkey Enter\ntype " + zvtest::DiaMesAno(1) +
                              "\nkey Enter\ntype 1\nclick btConfirma\nanswer ok\nexpect focus edDtTransacao\ntype " +
                              hoje + "\nclick btConfirma\n");
    EXPECT_EQ(run.BoxTexts(), std::vector<std::string>{Message(787)});
    EXPECT_EQ(run.Field("1020"), hoje);
    EXPECT_EQ(CodigoAutorizado(run), 54);
}

TEST(Cancellation, WithdrawalCancellationGoesWithCode74) {
    const auto run = RunScenario(kCenarios / "cancelamento-saque.toml", ReadText(kCenarios / "cancelamento-saque.txt"));
    EXPECT_EQ(CodigoAutorizado(run), 74);
    EXPECT_EQ(run.Field("1020"), "10012024");
    EXPECT_EQ(run.Field("1013"), "4711");
}

TEST(Cancellation, WithoutCode21AndService17OnlyTheCreditCancellationIsLeft) {
    const auto run = RunScenario(kAqui / "cancel" / "menu_so_credito.toml", ReadText(kAqui / "cancel" / "menu_so_credito.txt"));
    EXPECT_EQ(run.Forms("create"), (std::vector<std::string>{"FrmCnc_Mnu", "FrmCrd_Cnc"}));
    EXPECT_EQ(run.ModalResult("FrmCnc_Mnu"), 2);
    EXPECT_EQ(CodigoAutorizado(run), 0);
}

}  // namespace
}  // namespace e2e
