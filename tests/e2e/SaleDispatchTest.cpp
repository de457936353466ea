// Which first screen a sale opens, for the fields 1017 and 1016, the enabled
// tables and pre-authorisation mode. A screen class not built into the
// package shows message 802 naming it; either way the choice is visible.
#include <gtest/gtest.h>

#include "ClientRun.h"

namespace e2e {
namespace {

struct Case {
    std::string f1017, f1016, extra, expected;
};

// The form the run opened first: its create event, or the name in message 802.
std::string FirstScreen(const ClientRun& run) {
    const auto created = run.Forms("create");
    if (!created.empty()) return created.front();
    const std::string prefix = Message(802).substr(0, Message(802).find("%s"));
    for (const auto& b : run.Boxes()) {
        const std::string text = b.value("text", "");
        if (text.rfind(prefix, 0) == 0) return text.substr(prefix.size());
    }
    return "(none)";
}

std::string SaleScenario(const Case& c) {
    return "entry = \"ExecutaVenda\"\n" + c.extra + "[fields]\n\"10107\" = \"0\"\n\"1017\" = \"" + c.f1017 +
           "\"\n\"1016\" = \"" + c.f1016 + "\"\n";
}

void ExpectScreens(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        const auto run = ClientRun::Execute(SaleScenario(c), "");
        EXPECT_EQ(FirstScreen(run), c.expected)
            << "1017='" << c.f1017 << "' 1016='" << c.f1016 << "' " << c.extra << run.Stderr();
        EXPECT_TRUE(run.ErrorReports().empty());
    }
}

TEST(SaleDispatch, NormalModeFollowsInstalmentsThenSaleKind) {
    ExpectScreens({
        {"0", "1", "", "FrmVis_Crd"},
        {"1", "", "", "FrmVis_Crd"},
        {"", "0", "", "FrmEst_CrdPar"},
        {"3", "0", "", "FrmEst_CrdPar"},
        {"3", "1", "", "FrmCpr_AdmCrdPar"},
        {"x", "1", "", "FrmCpr_AdmCrdPar"},
        {"", "", "", "FrmCred_Mnu"},
        {"4", "2", "", "FrmCred_Mnu"},
        {"4", "abc", "", "FrmCred_Mnu"},
    });
}

TEST(SaleDispatch, OnlyAtSightEnabledOpensAtSightWhateverTheInstalments) {
    ExpectScreens({
        {"5", "1", "[enabled]\nterminal = [1]\n", "FrmVis_Crd"},
        {"5", "", "[enabled]\nterminal = [1, 6, 8]\n", "FrmVis_Crd"},
        // Store instalments still enabled: the sale kind decides again.
        {"5", "1", "[enabled]\nterminal = [1, 2]\n", "FrmCpr_AdmCrdPar"},
        // The credit code of the file-exchange table gates all three.
        {"5", "", "[enabled]\nintpos = [6]\n", "FrmCred_Mnu"},
    });
}

TEST(SaleDispatch, PreAuthorisationModeOffersEveryKind) {
    // In pre-authorisation mode every kind is offered, flags or not.
    const std::string noFlags = "[service]\ntags = { \"CPRE:\" = \"1\" }\n";
    const std::string flags =
        "[service]\ntags = { \"CPRE:\" = \"1\", \"PCAPV:\" = \"1\", \"PCAPPL:\" = \"0\", \"PCAPPA:\" = \"1\" }\n";
    ExpectScreens({
        {"1", "", noFlags, "FrmVis_Crd"},
        {"3", "0", noFlags, "FrmEst_CrdPar"},
        {"3", "1", noFlags, "FrmCpr_AdmCrdPar"},
        {"", "", noFlags, "FrmPreAut_Mnu"},
        {"3", "0", flags, "FrmEst_CrdPar"},
        {"", "7", flags, "FrmPreAut_Mnu"},
    });
}

}  // namespace
}  // namespace e2e
