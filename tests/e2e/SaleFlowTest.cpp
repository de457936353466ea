// A whole at-sight sale through the client: confirm, card, PIN, authorisation
// with the purchase record, answer applied, result handed over.
#include <gtest/gtest.h>

#include "ClientRun.h"

namespace e2e {
namespace {

// The host gives the amount, so the screen confirms by itself: no operator.
const std::string kSale =
    "entry = \"ExecutaVenda\"\n[fields]\n\"10107\" = \"0\"\n\"1017\" = \"1\"\n\"1003\" = \"150000\"\n";

TEST(SaleFlow, ApprovedAtSightSaleSendsThePurchaseRecordAndClosesDone) {
    const auto run = ClientRun::Execute(
        kSale + "[[authorizations]]\nfields = { \"1009\" = \"00\", \"1027\" = \"APROVADA 123\" }\n", "");
    ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
    const auto auth = run.Calls("AutorizaTransacao");
    ASSERT_EQ(auth.size(), 1u);
    EXPECT_EQ(auth[0]["record"]["code"], 56);
    EXPECT_EQ(auth[0]["record"]["flag"], 1);
    bool amountSent = false;
    for (const auto& e : auth[0]["record"]["entries"]) {
        amountSent = amountSent || e == nlohmann::json{{"field", 1003}, {"value", "150000"}};
    }
    EXPECT_TRUE(amountSent) << auth[0]["record"].dump();
    EXPECT_EQ(run.Calls("LerSenha").size(), 1u);
    EXPECT_EQ(run.FinalFields()["1009"], "00");
    EXPECT_EQ(run.FinalFields()["1027"], "APROVADA 123");
    EXPECT_EQ(run.Forms("close"), std::vector<std::string>{"FrmVis_Crd"});
    EXPECT_EQ(run.Lines()[0]["t"], "package");
}

TEST(SaleFlow, DifferentApprovedAmountWithoutPermissionFinishesAsNotDone) {
    const auto run = ClientRun::Execute(
        kSale + "[[authorizations]]\nfields = { \"1009\" = \"00\" }\nservice = { q = { \"010\" = \"000000100000\" } }\n",
        "");
    ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
    EXPECT_EQ(run.FinalFields()["1243"], "1.000,00");
    EXPECT_EQ(run.FinalFields()["1009"], "FF");
    EXPECT_EQ(run.FinalFields()["1027"], Message(1590));
    ASSERT_EQ(run.Calls("FosdalEnviarFinalizacaoEx").size(), 1u);
    EXPECT_EQ(run.Calls("FosdalEnviarFinalizacaoEx")[0]["args"][0], 0);
}

TEST(SaleFlow, RefusedPinEndsTheScreenWithoutAuthorising) {
    const auto run = ClientRun::Execute(kSale + "[card]\npin = [5]\n", "");
    ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
    EXPECT_TRUE(run.Calls("AutorizaTransacao").empty());
    EXPECT_EQ(run.Calls("LerSenha").at(0)["result"], 5);
    EXPECT_GE(run.Calls("FosdalGravaArquivo").size(), 1u);
}

}  // namespace
}  // namespace e2e
